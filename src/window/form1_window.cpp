#include "window/form1_window.hpp"

#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <exception>
#include <string_view>
#include <variant>

#include "calc/calc_error.hpp"

namespace ardelin {
namespace {

struct Control {
    std::variant<Field, Button> which;
    Placement place;
    const char* toolTip;         // nullptr: none
    const char* accessibleName;  // nullptr: the button's caption
};

// In tab order.
constexpr std::array<Control, kFieldCount + kButtonCount> kControls{{
    {Field::DiameterText, {120, 120, 1575, 285}, "Diameter in metres", "Dish diameter (m)"},
    {Field::WavelengthText, {120, 480, 1575, 285}, nullptr, "Wavelength (m)"},
    {Field::SysTempText, {120, 840, 1575, 285}, "Temperature in kelvin - typically 100", "System temperature (K)"},
    {Field::BandwidthText, {120, 1200, 1575, 285}, "e g 4Ghz = 4000 Mhz", "Bandwidth (MHz)"},
    {Field::TimeConstText, {120, 1560, 1575, 285}, "Value in seconds", "Time constant (s)"},
    {Field::AEfficiencyText, {120, 1920, 1575, 285}, "Typically 50 or 60", "Antenna efficiency (%)"},
    {Field::SysEfficiencyText, {120, 2280, 1575, 285}, "Typically 10", "System efficiency (%)"},
    {Button::Command1, {1920, 360, 1095, 255}, nullptr, nullptr},
    {Field::BeamwidthText, {3240, 360, 1335, 285}, nullptr, "Beam width result (degrees)"},
    {Button::Command2, {1920, 960, 1095, 255}, "Lowest detectable fluctuation", nullptr},
    {Field::LowerLimitText, {3240, 1320, 1335, 285}, "Lowest detectable fluctuation in Janskies/Flux Units",
     "Lowest detectable flux fluctuation result (Jy)"},
    {Field::DTText, {3240, 960, 1335, 285}, "Lowest detectable fluctuation - in kelvin",
     "Lowest detectable temperature fluctuation result (K)"},
    {Field::FreqText, {120, 5040, 2175, 285}, nullptr, "Frequency to convert (MHz)"},
    {Button::Command3, {2520, 5040, 735, 255}, nullptr, nullptr},
}};

// Qt cuts whatever goes beyond a line edit's maximum length, which could turn
// a long pasted number into another one; keep any realistic paste whole.
constexpr int kFieldMaxLength = 1 << 24;

constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

QString FromView(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The field's text as the report quotes it: shortened when long.
QString Quoted(const std::string& text) {
    constexpr qsizetype kMax = 40;
    QString q = QString::fromStdString(text);
    if (q.size() > kMax) {
        q = q.left(kMax - 1) + QChar(0x2026);
    }
    return QStringLiteral("\u201C%1\u201D").arg(q);
}

}  // namespace

char DecimalSeparatorOf(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

Form1Window::Form1Window(Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setWindowTitle(QStringLiteral("Ardelin"));
    resize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));

    QWidget* previous = nullptr;
    for (const Control& c : kControls) {
        QWidget* widget = nullptr;
        if (const Field* field = std::get_if<Field>(&c.which)) {
            auto* edit = new QLineEdit(this);
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
        widget->setGeometry(Pixels(c.place.left), Pixels(c.place.top), Pixels(c.place.width),
                            Pixels(c.place.height));
        if (c.toolTip != nullptr) {
            widget->setToolTip(QString::fromUtf8(c.toolTip));
            widget->setAccessibleDescription(QString::fromUtf8(c.toolTip));
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }

    for (const Field f : kAllFields) {
        ShowModelText(f);
    }
    form_.SetTextObserver([this](Field f) { ShowModelText(f); });
    Edit(Field::DiameterText)->setFocus();
}

Form1Window::~Form1Window() { form_.SetTextObserver({}); }

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

QString Form1Window::ReportText(const CalcError& error) {
    if (const auto& field = error.SourceField()) {
        const QString role = FromView(Info(*field).role);
        const std::string& text = error.FieldTextSeen();
        if (error.Kind() == CalcErrorKind::Overflow) {
            return tr("Overflow: the number in the %1 field, %2, is too large.").arg(role, Quoted(text));
        }
        if (text.find_first_not_of(" \t") == std::string::npos) {
            return tr("Conversion error: the %1 field is empty. Type a number into it.").arg(role);
        }
        return tr("Conversion error: the text in the %1 field, %2, is not a number.").arg(role, Quoted(text));
    }
    switch (error.Kind()) {
        case CalcErrorKind::Conversion:
            return tr("Conversion error: a text is not a number.");
        case CalcErrorKind::Overflow:
            return tr("Overflow: the calculation gave a number too large to hold, or no number at all (such as 0 / 0).");
        case CalcErrorKind::DivisionByZero:
            return tr("Division by zero: one of the numbers the calculation divides by is zero.");
        case CalcErrorKind::InvalidArgument:
            return tr("Invalid argument: the calculation needs the square root of a negative number.");
    }
    return QString::fromUtf8(error.what());
}

void Form1Window::Report(const CalcError& error) {
    const QPointer<QWidget> hadFocus = focusWidget();
    QMessageBox::warning(this, QStringLiteral("Ardelin"), ReportText(error));
    if (const auto& field = error.SourceField()) {
        // The offending text selected, so that typing replaces it.
        QLineEdit* edit = Edit(*field);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    } else if (!hadFocus.isNull()) {
        hadFocus->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace ardelin
