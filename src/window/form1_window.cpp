// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1_window.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/calc_error.hpp"
#include "calc/cause.hpp"
#include "calc/numbers.hpp"
#include "calc/units.hpp"
#include "window/report.hpp"

namespace ardelin {
namespace {

struct Control {
    std::variant<Field, Button> which;
    Placement place;
    const char* toolTip;         // nullptr: none
    const char* accessibleName;  // nullptr: the button's caption
    const char* resultUnit;      // what follows a result written here; nullptr: no result
};

// In tab order.
constexpr std::array<Control, kFieldCount + kButtonCount> kControls{{
    {Field::DiameterText, {120, 120, 1575, 285}, "Diameter in metres", "Dish diameter (m)", nullptr},
    {Field::WavelengthText, {120, 480, 1575, 285}, nullptr, "Wavelength (m)", ""},
    {Field::SysTempText, {120, 840, 1575, 285}, "Temperature in kelvin - typically 100", "System temperature (K)",
     nullptr},
    {Field::BandwidthText, {120, 1200, 1575, 285}, "e g 4Ghz = 4000 Mhz", "Bandwidth (MHz)", nullptr},
    {Field::TimeConstText, {120, 1560, 1575, 285}, "Value in seconds", "Time constant (s)", nullptr},
    {Field::AEfficiencyText, {120, 1920, 1575, 285}, "Typically 50 or 60", "Antenna efficiency (%)", nullptr},
    {Field::SysEfficiencyText, {120, 2280, 1575, 285}, "Typically 10", "System efficiency (%)", nullptr},
    {Button::Command1, {1920, 360, 1095, 255}, nullptr, nullptr, nullptr},
    {Field::BeamwidthText, {3240, 360, 1335, 285}, nullptr, "Beam width result (degrees)", kDegrees},
    {Button::Command2, {1920, 960, 1095, 255}, "Lowest detectable fluctuation", nullptr, nullptr},
    {Field::LowerLimitText, {3240, 1320, 1335, 285}, "Lowest detectable fluctuation in Janskies/Flux Units",
     "Lowest detectable flux fluctuation result (Jy)", kJanskies},
    {Field::DTText, {3240, 960, 1335, 285}, "Lowest detectable fluctuation - in kelvin",
     "Lowest detectable temperature fluctuation result (K)", kKelvin},
    {Field::FreqText, {120, 5040, 2175, 285}, nullptr, "Frequency to convert (MHz)", nullptr},
    {Button::Command3, {2520, 5040, 735, 255}, nullptr, nullptr, nullptr},
}};

// Qt cuts whatever goes beyond a line edit's maximum length, which could turn
// a long pasted number into another one; keep any realistic paste whole.
constexpr int kFieldMaxLength = 1 << 24;

QString FromView(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The widest results a field can show in `metrics`: the longest number texts
// with every digit the font's widest, followed by the unit.
QStringList WidestResults(const QFontMetrics& metrics, char separator, const char* unit) {
    QChar widestDigit = QLatin1Char('0');
    for (char d = '1'; d <= '9'; ++d) {
        if (metrics.horizontalAdvance(QLatin1Char(d)) > metrics.horizontalAdvance(widestDigit)) {
            widestDigit = QLatin1Char(d);
        }
    }
    QStringList texts;
    for (const std::string& number : LongestSingleTexts(separator)) {
        QString text = QString::fromStdString(number + unit);
        for (QChar& c : text) {
            if (c.isDigit()) {
                c = widestDigit;
            }
        }
        texts << text;
    }
    return texts;
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
    QIcon icon(QStringLiteral(":/ardelin.ico"));  // 32 and 16 pixels, 16 and 256 colours
    for (const int size : {48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/png/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

char DecimalSeparatorOf(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

QRect Scaled(const Placement& place, double scale) {
    const double perTwip = scale / kTwipsPerPixel;
    // A size computed as needed / scale comes back a hair off; never round it up a whole pixel for that.
    auto up = [perTwip](int twips) { return static_cast<int>(std::ceil(twips * perTwip - 1e-6)); };
    return {static_cast<int>(std::lround(place.left * perTwip)), static_cast<int>(std::lround(place.top * perTwip)),
            up(place.width), up(place.height)};
}

Form1Window::Form1Window(Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setWindowTitle(QStringLiteral("Ardelin"));

    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& c = kControls[i];
        QWidget* widget = nullptr;
        if (const Field* field = std::get_if<Field>(&c.which)) {
            auto* edit = new FieldEdit(FromView(Info(*field).initialText), this);
            edit->setObjectName(FromView(Info(*field).name));
            edit->setMaxLength(kFieldMaxLength);
            edit->setAccessibleName(QString::fromUtf8(c.accessibleName));
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
            auto* push = new QPushButton(FromView(Info(button).caption), this);
            push->setObjectName(FromView(Info(button).name));
            push->setAutoDefault(false);
            buttons_[static_cast<std::size_t>(button)] = push;
            connect(push, &QPushButton::clicked, this, [this, button] { Press(button); });
            widget = push;
        }
        if (c.toolTip != nullptr) {
            widget->setToolTip(QString::fromUtf8(c.toolTip));
            widget->setAccessibleDescription(QString::fromUtf8(c.toolTip));
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
    std::array<QSize, kControls.size()> needed;
    double scale = 1.0;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& c = kControls[i];
        if (const Field* field = std::get_if<Field>(&c.which)) {
            const FieldEdit* edit = Edit(*field);
            QStringList texts;
            if (const std::string_view prompt = Info(*field).initialText; !prompt.empty()) {
                texts << FromView(prompt);
            }
            if (c.resultUnit != nullptr) {
                texts << WidestResults(edit->fontMetrics(), separator, c.resultUnit);
            }
            needed.at(i) = edit->SizeToShow(texts);
        } else {
            needed.at(i) = SizeToShow(*ButtonWidget(std::get<Button>(c.which)));
        }
        scale = std::max({scale, needed.at(i).width() * double{kTwipsPerPixel} / c.place.width,
                          needed.at(i).height() * double{kTwipsPerPixel} / c.place.height});
    }
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        controls_.at(i)->setGeometry(Scaled(kControls.at(i).place, scale));
    }
    resize(Scaled({0, 0, kClientWidthTwips, kClientHeightTwips}, scale).size());
    scale_ = scale;
}

void Form1Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A new application font or style: the texts need a new scale.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
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
    try {
        form_.Press(button);
    } catch (const CalcError& error) {
        Report(error);
    } catch (const std::exception& error) {
        // Not a calculation fault; still never let it cross the event loop.
        QMessageBox::critical(this, QStringLiteral("Ardelin"),
                              tr("The calculation stopped unexpectedly: %1").arg(QString::fromUtf8(error.what())));
    }
}

void Form1Window::Report(const CalcError& error) {
    const QPointer<QWidget> hadFocus = focusWidget();
    QMessageBox::warning(this, QStringLiteral("Ardelin"), ReportText(error, form_));
    if (const std::optional<Field> field = InputToChange(error, form_)) {
        // The input to change, selected, so that typing replaces it.
        FieldEdit* edit = Edit(*field);
        edit->setFocus(Qt::OtherFocusReason);
        edit->SelectFromStart();
    } else if (!hadFocus.isNull()) {
        hadFocus->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace ardelin
