// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt/form1_window.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/text_mark.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/info.hpp"
#include "window/view/layout.hpp"
#include "window/view/press.hpp"
#include "window/view/report.hpp"

namespace ardelin {
namespace {

using view::kControls;

QString FromView(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts) {
        list << QString::fromStdString(t);
    }
    return list;
}

// The pixel size at which a button shows its caption whole, the access key's
// underline included, inside the style's contents rectangle.
QSize SizeToShow(const QPushButton& button) {
    button.ensurePolished();
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.rect = QRect(0, 0, 1000, 1000);  // the insets do not depend on the size
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return button.fontMetrics().size(Qt::TextShowMnemonic, button.text()) + (option.rect.size() - contents.size());
}

}  // namespace

QIcon AppIcon() {
    // Read as PNG, Qt's own format, with no guessing: a reader that may
    // guess loads every image plugin Qt has, before the first paint.
    QIcon icon;
    for (const int size : {32, 16, 48}) {  // the icon file's order, then the larger
        QImageReader reader(QStringLiteral(":/png/%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

char DecimalSeparatorOf(const QLocale& locale) { return view::DecimalSeparatorFrom(locale.decimalPoint().toStdString()); }

Form1Window::Form1Window(Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setWindowTitle(FromView(view::kTitle));

    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Control& c = kControls[i];
        QWidget* widget = nullptr;
        if (const Field* field = std::get_if<Field>(&c.which)) {
            auto* edit = new FieldEdit(*field, this);
            edit->setObjectName(FromView(Info(*field).name));
            edit->setMaxLength(static_cast<int>(view::kFieldMaxLength));
            edit->setAccessibleName(FromView(view::AccessibleName(c)));
            edits_[static_cast<std::size_t>(*field)] = edit;
            connect(edit, &QLineEdit::textChanged, this, [this, f = *field](const QString& text) {
                std::string utf8 = text.toStdString();
                if (utf8 != form_.Text(f)) {
                    form_.SetText(f, std::move(utf8));
                }
            });
            widget = edit;
        } else {
            const Button button = std::get<Button>(c.which);
            auto* push = new QPushButton(FromView(view::Caption(button)), this);
            push->setObjectName(FromView(Info(button).name));
            push->setAutoDefault(false);
            push->setAccessibleName(FromView(view::AccessibleName(c)));
            buttons_[static_cast<std::size_t>(button)] = push;
            connect(push, &QPushButton::clicked, this, [this, button] { Press(button); });
            widget = push;
        }
        if (const std::string_view tip = view::ToolTip(c); !tip.empty()) {
            widget->setToolTip(FromView(tip));
            widget->setAccessibleDescription(FromView(tip));
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
        controls_.at(i) = widget;
    }

    for (const Field f : kAllFields) {
        ShowModelText(f);
    }
    form_.SetTextObserver([this](Field f) { ShowModelText(f); });
    ApplyLayout();
    Edit(Field::DiameterText)->setFocus();
}

Form1Window::~Form1Window() { form_.SetTextObserver({}); }

void Form1Window::ApplyLayout() {
    const char separator = form_.DecimalSeparator();
    std::array<view::Size, view::kControlCount> needed{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Control& c = kControls[i];
        QSize need;
        if (const Field* field = std::get_if<Field>(&c.which)) {
            const FieldEdit* edit = Edit(*field);
            const QFontMetrics metrics = edit->fontMetrics();
            const char widest = view::WidestDigit([&](char d) { return metrics.horizontalAdvance(QLatin1Char(d)); });
            need = edit->SizeToShow(ToQt(view::TextsToShow(c, separator, widest)));
        } else {
            need = SizeToShow(*ButtonWidget(std::get<Button>(c.which)));
        }
        needed.at(i) = {need.width(), need.height()};
    }
    // A language read from the right shows the table's mirror; the tab order stays.
    const view::Layout layout = isRightToLeft() ? view::Mirrored(view::LayOut(needed)) : view::LayOut(needed);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Rect& r = layout.rects.at(i);
        controls_.at(i)->setGeometry(r.left, r.top, r.width, r.height);
    }
    resize(layout.client.width, layout.client.height);
    scale_ = layout.scale;
}

void Form1Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A new application font or style: the texts need a new scale. A new
    // direction: the table or its mirror.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::LayoutDirectionChange) {
        ApplyLayout();
    }
}

void Form1Window::ShowModelText(Field field) {
    QLineEdit* edit = Edit(field);
    const QString text = QString::fromStdString(form_.Text(field));
    if (edit->text() != text) {
        edit->setText(text);
        edit->setCursorPosition(0);  // show a written text from its start
    }
}

void Form1Window::Press(Button button) {
    if (const std::optional<view::Report> report = view::Press(form_, button)) {
        Report(*report);
    }
}

void Form1Window::Report(const view::Report& report) {
    const QPointer<QWidget> hadFocus = focusWidget();
    const QString title = FromView(view::kTitle);
    const QString text = QString::fromStdString(report.text);
    // Its one button in the language shown, as Qt's own catalogues are not loaded.
    QMessageBox box(report.unexpected ? QMessageBox::Critical : QMessageBox::Warning, title, text, QMessageBox::Ok,
                    this);
    box.button(QMessageBox::Ok)->setText(FromView(view::Tr(N_("OK"))));
    box.exec();
    if (const std::optional<Field> field = report.focus) {
        // The input to change, selected, so that typing replaces it.
        FieldEdit* edit = Edit(*field);
        edit->setFocus(Qt::OtherFocusReason);
        edit->SelectFromStart();
    } else if (!hadFocus.isNull()) {
        hadFocus->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace ardelin
