// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/report.hpp"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "calc/calc_error.hpp"
#include "calc/cause.hpp"
#include "calc/numbers.hpp"

namespace ardelin::view {
namespace {

// `pattern` with %1 … %9 replaced by the arguments in one pass, so that an
// argument holding "%2" (a user's text) stays as it is.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 64);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

// A number the report itself quotes, such as "3.4E+38", as this form writes it.
std::string Decimal(std::string_view number, char separator) {
    std::string text(number);
    for (char& c : text) {
        c = c == '.' ? separator : c;
    }
    return text;
}

std::string Role(Field field) { return std::string(Info(field).role); }

// A field's text as the report quotes it: shortened to 39 characters and an
// ellipsis when long, cut between characters, never inside one.
std::string Quoted(const std::string& text) {
    constexpr std::size_t kMax = 40;
    std::size_t characters = 0;
    std::size_t cut = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U) {  // a character starts here
            if (characters == kMax - 1) {
                cut = i;
            }
            ++characters;
        }
    }
    const std::string shown = characters > kMax ? text.substr(0, cut) + "\u2026" : text;
    return "\u201C" + shown + "\u201D";
}

const char* KindLabel(CalcErrorKind kind) {
    switch (kind) {
        case CalcErrorKind::Conversion: return "Conversion error";
        case CalcErrorKind::Overflow: return "Overflow";
        case CalcErrorKind::DivisionByZero: return "Division by zero";
        case CalcErrorKind::InvalidArgument: return "Invalid argument";
    }
    return KindName(kind);
}

// How a report speaks of the step that failed.
struct StepWords {
    std::string quantity;  // "beam width"
    std::string formula;   // how the program computes it
    const char* divisor;    // what it divides by; nullptr: it divides by a constant
    const char* numerator;  // what it divides; with a zero divisor, 0 / 0 needs both zero
    const char* check;      // the inputs to check when no one input decides
};

StepWords Words(CalcStep step, char separator) {
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
            return {"flux",
                    Format("temperature fluctuation \u00D7 %1 / antenna area", {Decimal("1.4E-23", separator)}),
                    "antenna area", "temperature fluctuation",
                    "the system temperature, the dish diameter and the antenna efficiency"};
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
// by a narrow space, or with four digits and an exponent when it is very
// large; a minus sign (U+2212) either way.
std::string Janskies(double value, char separator) {
    const std::string sign = value < 0 ? "\u2212" : "";
    if (std::fabs(value) >= 1e9) {
        return sign + FormatScientific(value, 4, separator);
    }
    std::string digits = std::to_string(std::llround(std::fabs(value)));
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), "\u202F");
    }
    return sign + digits;
}

std::string ReadFailure(const CalcError& error, const Form1& form) {
    const char separator = form.DecimalSeparator();
    const std::string role = Role(*error.SourceField());
    const std::string& text = error.FieldTextSeen();
    const std::string quoted = Quoted(text);
    if (error.Kind() == CalcErrorKind::Overflow) {
        return Format("Overflow: the number in the %1 field, %2, is too large. A number can be at most about %3.",
                      {role, quoted, Decimal("3.4E+38", separator)});
    }
    if (text.find_first_not_of(" \t") == std::string::npos) {
        return Format("Conversion error: the %1 field is empty. Type a number into it.", {role});
    }
    if (const std::optional<std::string> hint = InOtherSeparator(text, separator)) {
        return Format("Conversion error: the text in the %1 field, %2, is not a number here: this locale writes "
                      "the decimal separator as a %3. Meant as a decimal number, it is written %4. "
                      "Digits cannot be grouped.",
                      {role, quoted, separator == ',' ? "comma" : "point", Quoted(*hint)});
    }
    return Format("Conversion error: the text in the %1 field, %2, is not a number.", {role, quoted});
}

std::string WholeNumberFailure(const CalcError& error, const Form1& form) {
    const double flux = error.Value().value_or(0.0);
    return Format("Overflow: the flux, %1 Jy, is %2 that the flux field can show. The flux falls as the dish "
                  "diameter grows (it enters squared), and with higher efficiencies, a wider bandwidth or a "
                  "longer time constant.",
                  {Janskies(flux, form.DecimalSeparator()),
                   flux < 0 ? "less than the \u221232768 Jy" : "more than the 32767 Jy"});
}

std::string StepFailure(const CalcError& error, const Form1& form, const std::optional<Field>& input) {
    const StepWords words = Words(error.Step(), form.DecimalSeparator());
    const std::string kind = KindLabel(error.Kind());
    const std::string inputRole = input ? Role(*input) : std::string();

    if (error.Kind() == CalcErrorKind::InvalidArgument) {
        return Format("%1: the %2, %3, is negative because the %4 is negative, and a negative number has no "
                      "square root. Type a positive number into the %4 field.",
                      {kind, words.quantity, words.formula, inputRole});
    }
    // A zero divisor: n / 0 is a division by zero, 0 / 0 no number at all.
    const bool byZero = words.divisor != nullptr && error.Kind() == CalcErrorKind::DivisionByZero;
    const bool zeroByZero = words.numerator != nullptr && error.Kind() == CalcErrorKind::Overflow && error.NoNumber();
    if (byZero || zeroByZero) {
        const std::string divisor = words.divisor;
        const bool through = input && inputRole != divisor;  // the divisor is zero because an input is
        std::string why;
        if (byZero) {
            why = through  ? Format("the %1 is zero because the %2 is zero", {divisor, inputRole})
                  : input ? Format("the %1 is zero", {divisor})
                          : Format("the %1 is zero: too small to hold, it became zero", {divisor});
        } else {
            why = Format("with the %1 and the %2 both zero%3 it is 0 / 0, which is no number",
                         {words.numerator, divisor, through ? Format(" (the %1 is zero)", {inputRole}) : ""});
        }
        const std::string advice = input ? Format("Type a number other than zero into the %1 field.", {inputRole})
                                         : Format("Check %1.", {words.check});
        return Format("%1: the %2 is %3, and %4. %5", {kind, words.quantity, words.formula, why, advice});
    }
    return Format("%1: the %2, %3, is beyond the largest number a result can hold, about %4. Check %5.",
                  {kind, words.quantity, words.formula, Decimal("3.4E+38", form.DecimalSeparator()), words.check});
}

}  // namespace

Report ReportOn(const CalcError& error, const Form1& form) {
    Report report{{}, InputToChange(error, form)};
    report.text = error.Step() == CalcStep::ReadField     ? ReadFailure(error, form)
                  : error.Step() == CalcStep::WholeNumber ? WholeNumberFailure(error, form)
                                                          : StepFailure(error, form, report.focus);
    return report;
}

std::string ReportText(const CalcError& error, const Form1& form) { return ReportOn(error, form).text; }

}  // namespace ardelin::view
