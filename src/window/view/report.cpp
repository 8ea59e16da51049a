// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/report.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "calc/calc_error.hpp"
#include "calc/cause.hpp"
#include "calc/numbers.hpp"
#include "model/text_mark.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"

namespace ardelin::view {

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

namespace {

// A number the report itself quotes, such as "3.4E+38", as this form writes it.
std::string Decimal(std::string_view number, char separator) {
    std::string text(number);
    for (char& c : text) {
        c = c == '.' ? separator : c;
    }
    return text;
}

// A field's text as the report quotes it: shortened to 39 characters and an
// ellipsis when long, cut between characters, never inside one.
std::string Quoted(const std::string& text, const Language& lang) {
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
    // TRANSLATORS: a text quoted in a report, %1 in this language's quotation marks.
    return Format(lang.Tr(N_("\u201C%1\u201D")), {shown});
}

}  // namespace

std::string_view KindLabel(CalcErrorKind kind, const Language& lang) {
    switch (kind) {
        // TRANSLATORS: the kind of error, as every report begins: each report below starts with its kind in
        // these words.
        case CalcErrorKind::Conversion: return lang.Tr(N_("Conversion error"));
        case CalcErrorKind::Overflow: return lang.Tr(N_("Overflow"));
        case CalcErrorKind::DivisionByZero: return lang.Tr(N_("Division by zero"));
        case CalcErrorKind::InvalidArgument: return lang.Tr(N_("Invalid argument"));
    }
    return KindName(kind);
}

namespace {

// How a calculation's step failed, as its report tells it.
enum class Way {
    ZeroInput,          // it divides by an input that is zero, or by what that input makes zero
    ZeroUnderflow,      // it divides by a result too small to hold, now zero
    NoNumberInput,      // 0 / 0 with an input making the divisor zero
    NoNumberUnderflow,  // 0 / 0 with a divisor too small to hold
    Negative,           // the square root of a negative number, because of the input
    Beyond,             // a result beyond single
};

// Every report of a failed step, whole: a translation follows its own
// grammar, with the quantities and fields written in it, not filled in.
// Only the formula (%1) and numbers are filled in.
struct StepSentence {
    CalcStep step;
    Way way;
    std::optional<Field> input;  // the field the report sends the user to; nullopt: none
    std::string_view text;
};

constexpr std::array kStepSentences{
    StepSentence{CalcStep::BeamWidth, Way::ZeroInput, Field::DiameterText,
                 // TRANSLATORS: a report on the beam width. %1 the formula, "60 × wavelength / dish diameter".
                 N_("Division by zero: the beam width is %1, and the dish diameter is zero. Type a number other than "
                    "zero into the dish diameter field.")},
    StepSentence{CalcStep::BeamWidth, Way::NoNumberInput, Field::DiameterText,
                 // TRANSLATORS: a report on the beam width, with both inputs zero. %1 the formula.
                 N_("Overflow: the beam width is %1, and with the wavelength and the dish diameter both zero it is "
                    "0 / 0, which is no number. Type a number other than zero into the dish diameter field.")},
    StepSentence{CalcStep::BeamWidth, Way::Beyond, {},
                 // TRANSLATORS: a report on the beam width. %1 the formula, %2 the largest number, "3.4E+38".
                 N_("Overflow: the beam width, %1, is beyond the largest number a result can hold, about %2. Check the "
                    "wavelength and the dish diameter.")},
    StepSentence{CalcStep::AntennaArea, Way::Beyond, {},
                 // TRANSLATORS: a report on the antenna area. %1 the formula, %2 the largest number, "3.4E+38".
                 N_("Overflow: the antenna area, %1, is beyond the largest number a result can hold, about %2. Check "
                    "the dish diameter and the antenna efficiency.")},
    StepSentence{CalcStep::SquareRoot, Way::Negative, Field::BandwidthText,
                 // TRANSLATORS: a report on the product under the square root. %1 the formula, "bandwidth × 1E+07 × time
                 // constant".
                 N_("Invalid argument: the bandwidth \u00D7 time product, %1, is negative because the bandwidth is "
                    "negative, and a negative number has no square root. Type a positive number into the bandwidth "
                    "field.")},
    StepSentence{CalcStep::SquareRoot, Way::Negative, Field::TimeConstText,
                 // TRANSLATORS: a report on the product under the square root. %1 the formula.
                 N_("Invalid argument: the bandwidth \u00D7 time product, %1, is negative because the time constant is "
                    "negative, and a negative number has no square root. Type a positive number into the time "
                    "constant field.")},
    StepSentence{CalcStep::TemperatureFluctuation, Way::ZeroInput, Field::BandwidthText,
                 // TRANSLATORS: a report on the temperature fluctuation. %1 the formula, "system temperature /
                 // √(bandwidth × time product)".
                 N_("Division by zero: the temperature fluctuation is %1, and the bandwidth \u00D7 time product is "
                    "zero because the bandwidth is zero. Type a number other than zero into the bandwidth field.")},
    StepSentence{CalcStep::TemperatureFluctuation, Way::ZeroInput, Field::TimeConstText,
                 // TRANSLATORS: a report on the temperature fluctuation. %1 the formula.
                 N_("Division by zero: the temperature fluctuation is %1, and the bandwidth \u00D7 time product is "
                    "zero because the time constant is zero. Type a number other than zero into the time constant "
                    "field.")},
    StepSentence{CalcStep::TemperatureFluctuation, Way::NoNumberInput, Field::BandwidthText,
                 // TRANSLATORS: a report on the temperature fluctuation, with a system temperature of zero. %1 the formula.
                 N_("Overflow: the temperature fluctuation is %1, and with the system temperature and the bandwidth "
                    "\u00D7 time product both zero (the bandwidth is zero) it is 0 / 0, which is no number. Type a "
                    "number other than zero into the bandwidth field.")},
    StepSentence{CalcStep::TemperatureFluctuation, Way::NoNumberInput, Field::TimeConstText,
                 // TRANSLATORS: a report on the temperature fluctuation, with a system temperature of zero. %1 the formula.
                 N_("Overflow: the temperature fluctuation is %1, and with the system temperature and the bandwidth "
                    "\u00D7 time product both zero (the time constant is zero) it is 0 / 0, which is no number. Type "
                    "a number other than zero into the time constant field.")},
    StepSentence{CalcStep::TemperatureFluctuation, Way::Beyond, {},
                 // TRANSLATORS: a report on the temperature fluctuation. %1 the formula, %2 the largest number, "3.4E+38".
                 N_("Overflow: the temperature fluctuation, %1, is beyond the largest number a result can hold, about "
                    "%2. Check the system temperature, the bandwidth and the time constant.")},
    StepSentence{CalcStep::FluxOverArea, Way::ZeroInput, Field::DiameterText,
                 // TRANSLATORS: a report on the flux. %1 the formula, "temperature fluctuation × 1.4E-23 / antenna area".
                 N_("Division by zero: the flux is %1, and the antenna area is zero because the dish diameter is "
                    "zero. Type a number other than zero into the dish diameter field.")},
    StepSentence{CalcStep::FluxOverArea, Way::ZeroInput, Field::AEfficiencyText,
                 // TRANSLATORS: a report on the flux. %1 the formula.
                 N_("Division by zero: the flux is %1, and the antenna area is zero because the antenna efficiency is "
                    "zero. Type a number other than zero into the antenna efficiency field.")},
    StepSentence{CalcStep::FluxOverArea, Way::ZeroUnderflow, {},
                 // TRANSLATORS: a report on the flux, with an antenna area so small that it rounded to zero. %1 the formula.
                 N_("Division by zero: the flux is %1, and the antenna area is zero: too small to hold, it became "
                    "zero. Check the dish diameter and the antenna efficiency.")},
    StepSentence{CalcStep::FluxOverArea, Way::NoNumberInput, Field::DiameterText,
                 // TRANSLATORS: a report on the flux, with a system temperature of zero. %1 the formula.
                 N_("Overflow: the flux is %1, and with the temperature fluctuation and the antenna area both zero "
                    "(the dish diameter is zero) it is 0 / 0, which is no number. Type a number other than zero into "
                    "the dish diameter field.")},
    StepSentence{CalcStep::FluxOverArea, Way::NoNumberInput, Field::AEfficiencyText,
                 // TRANSLATORS: a report on the flux, with a system temperature of zero. %1 the formula.
                 N_("Overflow: the flux is %1, and with the temperature fluctuation and the antenna area both zero "
                    "(the antenna efficiency is zero) it is 0 / 0, which is no number. Type a number other than zero "
                    "into the antenna efficiency field.")},
    StepSentence{CalcStep::FluxOverArea, Way::NoNumberUnderflow, {},
                 // TRANSLATORS: a report on the flux, with a system temperature of zero and an antenna area so small that it
                 // rounded to zero. %1 the formula.
                 N_("Overflow: the flux is %1, and with the temperature fluctuation and the antenna area both zero it "
                    "is 0 / 0, which is no number. Check the system temperature, the dish diameter and the antenna "
                    "efficiency.")},
    StepSentence{CalcStep::FluxOverArea, Way::Beyond, {},
                 // TRANSLATORS: a report on the flux. %1 the formula, %2 the largest number, "3.4E+38".
                 N_("Overflow: the flux, %1, is beyond the largest number a result can hold, about %2. Check the "
                    "system temperature, the dish diameter and the antenna efficiency.")},
    StepSentence{CalcStep::FluxOverEfficiency, Way::ZeroInput, Field::SysEfficiencyText,
                 // TRANSLATORS: a report on the flux. %1 the formula, "(flux before the system efficiency) × 100 / system
                 // efficiency".
                 N_("Division by zero: the flux is %1, and the system efficiency is zero. Type a number other than "
                    "zero into the system efficiency field.")},
    StepSentence{CalcStep::FluxOverEfficiency, Way::NoNumberInput, Field::SysEfficiencyText,
                 // TRANSLATORS: a report on the flux, with a system temperature of zero. %1 the formula.
                 N_("Overflow: the flux is %1, and with the flux before the system efficiency and the system "
                    "efficiency both zero it is 0 / 0, which is no number. Type a number other than zero into the "
                    "system efficiency field.")},
    StepSentence{CalcStep::FluxOverEfficiency, Way::Beyond, {},
                 // TRANSLATORS: a report on the flux. %1 the formula, %2 the largest number, "3.4E+38".
                 N_("Overflow: the flux, %1, is beyond the largest number a result can hold, about %2. Check the "
                    "system efficiency.")},
    StepSentence{CalcStep::Wavelength, Way::ZeroInput, Field::FreqText,
                 // TRANSLATORS: a report on converting a frequency. %1 the formula, "300 / frequency".
                 N_("Division by zero: the wavelength is %1, and the frequency is zero. Type a number other than zero "
                    "into the frequency field.")},
    StepSentence{CalcStep::Wavelength, Way::Beyond, {},
                 // TRANSLATORS: a report on converting a frequency. %1 the formula, %2 the largest number, "3.4E+38".
                 N_("Overflow: the wavelength, %1, is beyond the largest number a result can hold, about %2. Check the "
                    "frequency.")},
};

// The formula a report gives for a step; %1 in the flux's is its constant.
std::string FormulaOf(CalcStep step, char separator, const Language& lang) {
    std::string_view formula;
    switch (step) {
        case CalcStep::BeamWidth:
            // TRANSLATORS: how the program computes the beam width, as the reports on it show it.
            formula = N_("60 \u00D7 wavelength / dish diameter");
            break;
        case CalcStep::AntennaArea:
            // TRANSLATORS: how the program computes the antenna area, as the report on it shows it.
            formula = N_("(dish diameter / 2)\u00B2 \u00D7 \u03C0 \u00D7 antenna efficiency");
            break;
        case CalcStep::RadiometerProduct:
        case CalcStep::SquareRoot:
            // TRANSLATORS: how the program computes the product under the square root, the "bandwidth × time
            // product" of the reports.
            formula = N_("bandwidth \u00D7 1E+07 \u00D7 time constant");
            break;
        case CalcStep::TemperatureFluctuation:
            // TRANSLATORS: how the program computes the temperature fluctuation, as the reports on it show it.
            formula = N_("system temperature / \u221A(bandwidth \u00D7 time product)");
            break;
        case CalcStep::FluxOverArea:
            // TRANSLATORS: how the program computes the flux from the temperature fluctuation; %1 the constant
            // as the program writes it, "1.4E-23".
            return Format(lang.Tr(N_("temperature fluctuation \u00D7 %1 / antenna area")), {Decimal("1.4E-23", separator)});
        case CalcStep::FluxOverEfficiency:
            // TRANSLATORS: how the program computes the flux after the system efficiency, as the reports show it.
            formula = N_("(flux before the system efficiency) \u00D7 100 / system efficiency");
            break;
        case CalcStep::Wavelength:
            // TRANSLATORS: how the program converts a frequency in MHz into a wavelength in metres.
            formula = N_("300 / frequency");
            break;
        case CalcStep::FluxInJanskies:
        case CalcStep::WholeNumber:
        case CalcStep::ReadField: break;
    }
    return formula.empty() ? std::string() : std::string(lang.Tr(formula));
}

// A whole number's digits, its thousands set apart the language's way.
std::string Grouped(std::string digits, std::string_view group) {
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0 && !group.empty(); at -= 3) {
        digits.insert(static_cast<std::size_t>(at), group);
    }
    return digits;
}

// A whole number as a person reads it: grouped, with a minus sign (U+2212);
// with four digits and an exponent when it is 1e9 or more.
std::string WholeNumber(double value, char separator, std::string_view group) {
    const std::string sign = value < 0 ? "\u2212" : "";
    if (std::fabs(value) >= 1e9) {
        return sign + FormatScientific(value, 4, separator);
    }
    return sign + Grouped(std::to_string(std::llround(std::fabs(value))), group);
}

namespace sentence {
constexpr std::string_view kPrompt =
    // TRANSLATORS: a report on pressing a button while a field still shows the prompt it starts with (its label).
    // %1 the field's label, quoted, which is also the prompt.
    N_("Conversion error: the field %1 still shows its prompt. Type a number into it.");
constexpr std::string_view kTooLarge =
    // TRANSLATORS: %1 the field's label, quoted, %2 its text, quoted, %3 the largest number, "3.4E+38".
    N_("Overflow: the number %2 in the field %1 is too large. A number can be at most about %3.");
constexpr std::string_view kEmpty =
    // TRANSLATORS: %1 the field's label, quoted.
    N_("Conversion error: the field %1 is empty. Type a number into it.");
constexpr std::string_view kWantsComma =
    // TRANSLATORS: %1 the field's label, quoted, %2 its text, quoted, %3 the text with a decimal comma, quoted.
    N_("Conversion error: %2 in the field %1 is not a number here: this locale writes the decimal separator as a "
       "comma. Meant as a decimal number, it is written %3. Digits cannot be grouped.");
constexpr std::string_view kWantsPoint =
    // TRANSLATORS: %1 the field's label, quoted, %2 its text, quoted, %3 the text with a decimal point, quoted.
    N_("Conversion error: %2 in the field %1 is not a number here: this locale writes the decimal separator as a "
       "point. Meant as a decimal number, it is written %3. Digits cannot be grouped.");
constexpr std::string_view kNotANumber =
    // TRANSLATORS: %1 the field's label, quoted, %2 its text, quoted.
    N_("Conversion error: %2 in the field %1 is not a number.");
constexpr std::string_view kFluxTooLow =
    // TRANSLATORS: %1 the flux in janskies, a negative number, %2 the least flux the field shows, "−32 768",
    // both with this language's thousands separator.
    N_("Overflow: the flux, %1 Jy, is less than the %2 Jy that the flux field can show. The flux comes nearer to "
       "zero as the dish diameter grows (it enters squared), and with higher efficiencies, a wider bandwidth or a "
       "longer time constant.");
constexpr std::string_view kFluxTooHigh =
    // TRANSLATORS: %1 the flux in janskies, %2 the greatest flux the field shows, "32 767", both with this
    // language's thousands separator.
    N_("Overflow: the flux, %1 Jy, is more than the %2 Jy that the flux field can show. The flux falls as the dish "
       "diameter grows (it enters squared), and with higher efficiencies, a wider bandwidth or a longer time "
       "constant.");
// What no calculation reaches, said plainly should one ever get there.
constexpr std::string_view kOtherOverflow =
    // TRANSLATORS: a report no calculation should reach. %1 the largest number, "3.4E+38".
    N_("Overflow: a result of the calculation is beyond the largest number a result can hold, about %1. Check the "
       "inputs.");
constexpr std::string_view kOtherDivision =
    // TRANSLATORS: a report no calculation should reach.
    N_("Division by zero: the calculation divided by zero. Check the inputs.");
constexpr std::string_view kOtherInvalid =
    // TRANSLATORS: a report no calculation should reach.
    N_("Invalid argument: the calculation took the square root of a negative number. Check the inputs.");
}  // namespace sentence

// A field's visible label, quoted.
std::string Label(Field field, const Language& lang) { return Quoted(std::string(AccessibleName(ControlOf(field), lang)), lang); }

std::string ReadFailure(const CalcError& error, const Form1& form, const Language& lang) {
    const char separator = form.DecimalSeparator();
    const Field field = *error.SourceField();
    const std::string label = Label(field, lang);
    const std::string& text = error.FieldTextSeen();
    const std::string quoted = Quoted(text, lang);
    if (error.Kind() == CalcErrorKind::Overflow) {
        return Format(lang.Tr(sentence::kTooLarge), {label, quoted, Decimal("3.4E+38", separator)});
    }
    if (!text.empty() && text == form.Prompt(field)) {
        return Format(lang.Tr(sentence::kPrompt), {label});
    }
    if (text.find_first_not_of(" \t") == std::string::npos) {
        return Format(lang.Tr(sentence::kEmpty), {label});
    }
    if (const std::optional<std::string> hint = InOtherSeparator(text, separator)) {
        return Format(lang.Tr(separator == ',' ? sentence::kWantsComma : sentence::kWantsPoint),
                      {label, quoted, Quoted(*hint, lang)});
    }
    return Format(lang.Tr(sentence::kNotANumber), {label, quoted});
}

std::string WholeNumberFailure(const CalcError& error, const Form1& form, const Language& lang) {
    const char separator = form.DecimalSeparator();
    const std::string_view group = lang.DigitGroup(separator);
    const double flux = error.Value().value_or(0.0);
    return Format(lang.Tr(flux < 0 ? sentence::kFluxTooLow : sentence::kFluxTooHigh),
                  {WholeNumber(flux, separator, group), WholeNumber(flux < 0 ? -32768.0 : 32767.0, separator, group)});
}

// How the step failed: the kind, the input that decides it, and whether a
// zero divisor came from no input (a result too small to hold).
Way WayOf(const CalcError& error, bool byInput) {
    switch (error.Kind()) {
        case CalcErrorKind::InvalidArgument: return Way::Negative;
        case CalcErrorKind::DivisionByZero: return byInput ? Way::ZeroInput : Way::ZeroUnderflow;
        case CalcErrorKind::Overflow:
            return !error.NoNumber() ? Way::Beyond : byInput ? Way::NoNumberInput : Way::NoNumberUnderflow;
        case CalcErrorKind::Conversion: break;
    }
    return Way::Beyond;
}

std::string StepFailure(const CalcError& error, const Form1& form, const std::optional<Field>& input,
                        const Language& lang) {
    const char separator = form.DecimalSeparator();
    const std::string largest = Decimal("3.4E+38", separator);
    const Way way = WayOf(error, input.has_value());
    const auto found = std::find_if(kStepSentences.begin(), kStepSentences.end(), [&](const StepSentence& s) {
        return s.step == error.Step() && s.way == way && s.input == (way == Way::Beyond ? std::nullopt : input);
    });
    if (found != kStepSentences.end()) {
        return Format(lang.Tr(found->text), {FormulaOf(error.Step(), separator, lang), largest});
    }
    switch (error.Kind()) {
        case CalcErrorKind::DivisionByZero: return std::string(lang.Tr(sentence::kOtherDivision));
        case CalcErrorKind::InvalidArgument: return std::string(lang.Tr(sentence::kOtherInvalid));
        case CalcErrorKind::Overflow:
        case CalcErrorKind::Conversion: break;
    }
    return Format(lang.Tr(sentence::kOtherOverflow), {largest});
}

}  // namespace

Report ReportOn(const CalcError& error, const Form1& form, const Language& lang) {
    Report report{{}, InputToChange(error, form)};
    report.text = error.Step() == CalcStep::ReadField     ? ReadFailure(error, form, lang)
                  : error.Step() == CalcStep::WholeNumber ? WholeNumberFailure(error, form, lang)
                                                          : StepFailure(error, form, report.focus, lang);
    return report;
}

std::string ReportText(const CalcError& error, const Form1& form, const Language& lang) {
    return ReportOn(error, form, lang).text;
}

}  // namespace ardelin::view
