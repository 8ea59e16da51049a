// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt/form1_window.hpp"

#include <QAccessible>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
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

namespace {

view::FocusVia ViaOf(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason: return view::FocusVia::Key;
        case Qt::ShortcutFocusReason: return view::FocusVia::Shortcut;
        case Qt::MouseFocusReason: return view::FocusVia::Pointer;
        case Qt::ActiveWindowFocusReason: return view::FocusVia::Window;
        default: return view::FocusVia::Program;
    }
}

}  // namespace

Form1Window::Form1Window(view::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setWindowTitle(FromView(view::kTitle));

    const FieldEdit::Hooks hooks{
        [this](Field f, Qt::FocusReason reason) { Apply(session_.FocusIn(view::IndexOf(f), ViaOf(reason))); },
        [this](Field f, Qt::FocusReason reason) {
            // The report is a window of its own: the focus leaving for it is the report's.
            const view::FocusTo to = reason == Qt::PopupFocusReason ? view::FocusTo::Popup
                                     : reason != Qt::ActiveWindowFocusReason ? view::FocusTo::Control
                                     : session_.ReportOpen() ? view::FocusTo::Report
                                                             : view::FocusTo::OtherWindow;
            Apply(session_.FocusOut(f, to));
        },
        [this](Field f) {
            view::Session::PressAnswer answer = session_.PrimaryPress(f);
            Apply(answer.effects);
            return answer.swallow;
        },
    };
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Control& c = kControls[i];
        QWidget* widget = nullptr;
        if (const Field* field = std::get_if<Field>(&c.which)) {
            auto* edit = new FieldEdit(*field, hooks, this);
            edit->setObjectName(FromView(Info(*field).name));
            edit->setMaxLength(static_cast<int>(view::kFieldMaxLength));
            edit->setAccessibleName(FromView(view::AccessibleName(c, session_.Lang())));
            edit->setText(QString::fromStdString(session_.Form().Text(*field)));
            edit->setCursorPosition(0);
            edits_[static_cast<std::size_t>(*field)] = edit;
            connect(edit, &QLineEdit::textChanged, this,
                    [this, f = *field](const QString& text) { session_.TextEdited(f, text.toStdString()); });
            widget = edit;
        } else {
            const Button button = std::get<Button>(c.which);
            auto* push = new QPushButton(FromView(view::Caption(button, session_.Lang())), this);
            push->setObjectName(FromView(Info(button).name));
            push->setAutoDefault(false);
            push->setAccessibleName(FromView(view::AccessibleName(c, session_.Lang())));
            push->installEventFilter(this);  // its focus, for the session
            buttons_[static_cast<std::size_t>(button)] = push;
            connect(push, &QPushButton::clicked, this, [this, button] { Apply(session_.Press(button)); });
            widget = push;
        }
        if (const std::string_view tip = view::ToolTip(c, session_.Lang()); !tip.empty()) {
            widget->setToolTip(FromView(tip));
            widget->setAccessibleDescription(FromView(tip));
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
        controls_.at(i) = widget;
    }

    session_.SetDisplay([this](const view::Effects& effects) { Apply(effects); });
    ApplyLayout();
    Apply(session_.Start());
}

Form1Window::~Form1Window() {
    // QWidget's destructor closes the window, which takes the focus out of
    // its controls after this object is gone: nothing may reach it then.
    session_.SetDisplay({});
    for (FieldEdit* edit : edits_) {
        edit->Detach();
        disconnect(edit, nullptr, this, nullptr);
    }
    for (QPushButton* push : buttons_) {
        push->removeEventFilter(this);
        disconnect(push, nullptr, this, nullptr);
    }
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (const Button b : kAllButtons) {
            if (watched == ButtonWidget(b)) {
                Apply(session_.FocusIn(view::IndexOf(b), ViaOf(static_cast<QFocusEvent*>(event)->reason())));
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1Window::Apply(const view::Effects& effects) {
    for (const view::Effect& effect : effects) {
        if (const auto* show = std::get_if<view::ShowText>(&effect)) {
            FieldEdit* edit = Edit(show->field);
            const QString text = QString::fromStdString(show->text);
            if (edit->text() != text) {
                edit->setText(text);
            }
            edit->setCursorPosition(0);  // a written text shows from its start
        } else if (const auto* select = std::get_if<view::SelectFromStart>(&effect)) {
            Edit(select->field)->SelectFromStart();
        } else if (const auto* caret = std::get_if<view::CaretAtStart>(&effect)) {
            Edit(caret->field)->setCursorPosition(0);
        } else if (const auto* move = std::get_if<view::MoveFocus>(&effect)) {
            controls_.at(move->control)->setFocus(Qt::OtherFocusReason);
        } else if (const auto* report = std::get_if<view::ShowReport>(&effect)) {
            Report(report->report);
        } else if (const auto* speak = std::get_if<view::Speak>(&effect)) {
            Speak(speak->field, QString::fromStdString(speak->text));
        }
    }
}

void Form1Window::ApplyLayout() {
    const char separator = session_.Form().DecimalSeparator();
    std::array<view::Size, view::kControlCount> needed{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Control& c = kControls[i];
        QSize need;
        if (const Field* field = std::get_if<Field>(&c.which)) {
            const FieldEdit* edit = Edit(*field);
            const QFontMetrics metrics = edit->fontMetrics();
            const char widest = view::WidestDigit([&](char d) { return metrics.horizontalAdvance(QLatin1Char(d)); });
            need = edit->SizeToShow(ToQt(view::TextsToShow(c, separator, widest, session_.Lang())));
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

void Form1Window::Report(const view::Report& report) {
    const QString title = FromView(view::kTitle);
    const QString text = QString::fromStdString(report.text);
    // Its one button in the language shown, as Qt's own catalogues are not loaded.
    QMessageBox box(report.unexpected ? QMessageBox::Critical : QMessageBox::Warning, title, text, QMessageBox::Ok,
                    this);
    box.button(QMessageBox::Ok)->setText(FromView(session_.Lang().Tr(N_("OK"))));
    box.exec();
    Apply(session_.ReportClosed());
}

void Form1Window::Speak(Field field, const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // An announcement: AT-SPI's "announcement" event, which Orca speaks
    // whatever has the focus.
    QAccessibleAnnouncementEvent event(Edit(field), text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // Qt before 6.8 has no announcement: what reaches a screen reader is the
    // field's own text-changed event, sent as its text was set.
    Q_UNUSED(field);
    Q_UNUSED(text);
#endif
}

}  // namespace ardelin
