// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/report.hpp"

#include <QCoreApplication>
#include <cmath>
#include <optional>
#include <string>

#include "calc/calc_error.hpp"
#include "calc/cause.hpp"
#include "calc/numbers.hpp"

namespace ardelin {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ardelin::Report", text); }

QString Role(Field field) {
    const std::string_view role = Info(field).role;
    return QString::fromUtf8(role.data(), static_cast<qsizetype>(role.size()));
}

// A field's text as the report quotes it: shortened when long.
QString Quoted(const QString& text) {
    constexpr qsizetype kMax = 40;
    QString q = text;
    if (q.size() > kMax) {
        q = q.left(kMax - 1) + QChar(0x2026);
    }
    return QStringLiteral("\u201C%1\u201D").arg(q);
}

QString KindLabel(CalcErrorKind kind) {
    switch (kind) {
        case CalcErrorKind::Conversion: return Tr("Conversion error");
        case CalcErrorKind::Overflow: return Tr("Overflow");
        case CalcErrorKind::DivisionByZero: return Tr("Division by zero");
        case CalcErrorKind::InvalidArgument: return Tr("Invalid argument");
    }
    return QString::fromUtf8(KindName(kind));
}

// How a report speaks of the step that failed.
struct StepWords {
    const char* quantity;   // "beam width"
    const char* formula;    // how the program computes it
    const char* divisor;    // what it divides by; nullptr: it divides by a constant
    const char* numerator;  // what it divides; with a zero divisor, 0 / 0 needs both zero
    const char* check;      // the inputs to check when no one input decides
};

StepWords Words(CalcStep step) {
    switch (step) {
        case CalcStep::BeamWidth:
            return {"beam width", "60 \u00D7 wavelength / dish diameter", "dish diameter", "wavelength",
                    "the wavelength and the dish diameter"};
        case CalcStep::AntennaArea:
            return {"antenna area", "(dish diameter / 2)\u00B2 \u00D7 \u03C0 \u00D7 antenna efficiency", nullptr,
                    nullptr, "the dish diameter and the antenna efficiency"};
        case CalcStep::RadiometerProduct:
        case CalcStep::SquareRoot:
            return {"bandwidth \u00D7 time product", "bandwidth \u00D7 1E+07 \u00D7 time constant", nullptr, nullptr,
                    "the bandwidth and the time constant"};
        case CalcStep::TemperatureFluctuation:
            return {"temperature fluctuation", "system temperature / \u221A(bandwidth \u00D7 time product)",
                    "bandwidth \u00D7 time product", "system temperature",
                    "the system temperature, the bandwidth and the time constant"};
        case CalcStep::FluxOverArea:
            return {"flux", "temperature fluctuation \u00D7 1.4E-23 / antenna area", "antenna area",
                    "temperature fluctuation", "the system temperature, the dish diameter and the antenna efficiency"};
        case CalcStep::FluxOverEfficiency:
            return {"flux", "(flux before the system efficiency) \u00D7 100 / system efficiency", "system efficiency",
                    "flux before the system efficiency", "the system efficiency"};
        case CalcStep::FluxInJanskies:
        case CalcStep::WholeNumber:
            return {"flux", "(flux after the system efficiency) \u00D7 1E+29, in janskies", nullptr, nullptr,
                    "the inputs of the flux"};
        case CalcStep::Wavelength:
            return {"wavelength", "300 / frequency", "frequency", nullptr, "the frequency"};
        case CalcStep::ReadField: break;
    }
    return {"result", "", nullptr, nullptr, "the inputs"};
}

// A flux in janskies as a person reads it: whole, its thousands set apart
// by a narrow space, or with an exponent when it is very large.
QString Janskies(double value, char separator) {
    if (std::fabs(value) >= 1e9) {
        return QString::number(value, 'E', 3).replace(QLatin1Char('.'), QLatin1Char(separator));
    }
    QString digits = QString::number(std::llround(std::fabs(value)));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, QChar(0x202F));
    }
    return (value < 0 ? QStringLiteral("\u2212") : QString()) + digits;
}

QString ReadFailure(const CalcError& error, const Form1& form) {
    const Field field = *error.SourceField();
    const QString role = Role(field);
    const std::string& text = error.FieldTextSeen();
    const QString quoted = Quoted(QString::fromStdString(text));
    if (error.Kind() == CalcErrorKind::Overflow) {
        return Tr("Overflow: the number in the %1 field, %2, is too large. "
                  "A number can be at most about 3.4E+38.")
            .arg(role, quoted);
    }
    if (text.find_first_not_of(" \t") == std::string::npos) {
        return Tr("Conversion error: the %1 field is empty. Type a number into it.").arg(role);
    }
    if (const std::optional<std::string> hint = InOtherSeparator(text, form.DecimalSeparator())) {
        return Tr("Conversion error: the text in the %1 field, %2, is not a number here: this locale writes "
                  "the decimal separator as a %3. Meant as a decimal number, it is written %4. "
                  "Digits cannot be grouped.")
            .arg(role, quoted, form.DecimalSeparator() == ',' ? Tr("comma") : Tr("point"),
                 Quoted(QString::fromStdString(*hint)));
    }
    return Tr("Conversion error: the text in the %1 field, %2, is not a number.").arg(role, quoted);
}

QString WholeNumberFailure(const CalcError& error, const Form1& form) {
    const double flux = error.Value().value_or(0.0);
    const QString shown = Janskies(flux, form.DecimalSeparator());
    const QString limit = flux < 0 ? Tr("less than the \u221232768 Jy") : Tr("more than the 32767 Jy");
    return Tr("Overflow: the flux, %1 Jy, is %2 that the flux field can show. The flux falls as the dish "
              "diameter grows (it enters squared), and with higher efficiencies, a wider bandwidth or a "
              "longer time constant.")
        .arg(shown, limit);
}

QString StepFailure(const CalcError& error, const Form1& form) {
    const StepWords words = Words(error.Step());
    const QString kind = KindLabel(error.Kind());
    const QString quantity = Tr(words.quantity);
    const QString formula = Tr(words.formula);
    const std::optional<Field> input = InputToChange(error, form);
    const QString inputRole = input ? Role(*input) : QString();

    if (error.Kind() == CalcErrorKind::InvalidArgument) {
        return Tr("%1: the %2, %3, is negative because the %4 is negative, and a negative number has no "
                  "square root. Type a positive number into the %4 field.")
            .arg(kind, quantity, formula, inputRole);
    }
    // A zero divisor: n / 0 is a division by zero, 0 / 0 no number at all.
    const bool byZero = words.divisor != nullptr && error.Kind() == CalcErrorKind::DivisionByZero;
    const bool zeroByZero = words.numerator != nullptr && error.Kind() == CalcErrorKind::Overflow && error.NoNumber();
    if (byZero || zeroByZero) {
        const QString divisor = Tr(words.divisor);
        const bool through = input && inputRole != divisor;  // the divisor is zero because an input is
        QString why;
        if (byZero) {
            why = through  ? Tr("the %1 is zero because the %2 is zero").arg(divisor, inputRole)
                  : input ? Tr("the %1 is zero").arg(divisor)
                          : Tr("the %1 is zero: too small to hold, it became zero").arg(divisor);
        } else {
            why = Tr("with the %1 and the %2 both zero%3 it is 0 / 0, which is no number")
                      .arg(Tr(words.numerator), divisor,
                           through ? Tr(" (the %1 is zero)").arg(inputRole) : QString());
        }
        const QString advice =
            input ? Tr("Type a number other than zero into the %1 field.").arg(inputRole) : Tr("Check %1.").arg(Tr(words.check));
        return Tr("%1: the %2 is %3, and %4. %5").arg(kind, quantity, formula, why, advice);
    }
    return Tr("%1: the %2, %3, is beyond the largest number a result can hold, about 3.4E+38. Check %4.")
        .arg(kind, quantity, formula, Tr(words.check));
}

}  // namespace

QString ReportText(const CalcError& error, const Form1& form) {
    QString text = error.Step() == CalcStep::ReadField     ? ReadFailure(error, form)
                   : error.Step() == CalcStep::WholeNumber ? WholeNumberFailure(error, form)
                                                           : StepFailure(error, form);
    if (form.DecimalSeparator() == ',') {
        // The report's own numbers as this locale writes them.
        for (const char* number : {"3.4E+38", "1.4E-23"}) {
            text.replace(QLatin1String(number), QString::fromLatin1(number).replace(QLatin1Char('.'), QLatin1Char(',')));
        }
    }
    return text;
}

}  // namespace ardelin
