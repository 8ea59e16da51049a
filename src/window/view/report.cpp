// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/report.hpp"

#include <cmath>
#include <initializer_list>
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

std::string RoleText(Field field, const Language& lang) { return std::string(Role(field, lang)); }

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

std::string_view KindLabel(CalcErrorKind kind, const Language& lang) {
    switch (kind) {
        // TRANSLATORS: the kind of error, first in every report.
        case CalcErrorKind::Conversion: return lang.Tr(N_("Conversion error"));
        case CalcErrorKind::Overflow: return lang.Tr(N_("Overflow"));
        case CalcErrorKind::DivisionByZero: return lang.Tr(N_("Division by zero"));
        case CalcErrorKind::InvalidArgument: return lang.Tr(N_("Invalid argument"));
    }
    return KindName(kind);
}

// How a report speaks of the step that failed.
struct StepWords {
    std::string_view quantity;   // "beam width"
    std::string formula;         // how the program computes it
    std::string_view divisor;    // what it divides by; empty: it divides by a constant
    std::string_view numerator;  // what it divides; with a zero divisor, 0 / 0 needs both zero
    std::string_view check;      // the inputs to check when no one input decides
};

StepWords WordsOf(CalcStep step, char separator, const Language& lang) {
    const auto formula = [&lang](std::string_view english) { return std::string(lang.Tr(english)); };
    // TRANSLATORS: for each step of a calculation, the quantity it computes (a noun), how it computes it, what it
    // divides by, what it divides, and the inputs to check.
    switch (step) {
        case CalcStep::BeamWidth:
            return {lang.Tr(N_("beam width")), formula(N_("60 \u00D7 wavelength / dish diameter")), lang.Tr(N_("dish diameter")),
                    lang.Tr(N_("wavelength")), lang.Tr(N_("the wavelength and the dish diameter"))};
        case CalcStep::AntennaArea:
            return {lang.Tr(N_("antenna area")),
                    formula(N_("(dish diameter / 2)\u00B2 \u00D7 \u03C0 \u00D7 antenna efficiency")), {}, {},
                    lang.Tr(N_("the dish diameter and the antenna efficiency"))};
        case CalcStep::RadiometerProduct:
        case CalcStep::SquareRoot:
            return {lang.Tr(N_("bandwidth \u00D7 time product")), formula(N_("bandwidth \u00D7 1E+07 \u00D7 time constant")),
                    {}, {}, lang.Tr(N_("the bandwidth and the time constant"))};
        case CalcStep::TemperatureFluctuation:
            return {lang.Tr(N_("temperature fluctuation")),
                    formula(N_("system temperature / \u221A(bandwidth \u00D7 time product)")),
                    lang.Tr(N_("bandwidth \u00D7 time product")), lang.Tr(N_("system temperature")),
                    lang.Tr(N_("the system temperature, the bandwidth and the time constant"))};
        case CalcStep::FluxOverArea:
            return {lang.Tr(N_("flux")),
                    Format(lang.Tr(N_("temperature fluctuation \u00D7 %1 / antenna area")), {Decimal("1.4E-23", separator)}),
                    lang.Tr(N_("antenna area")), lang.Tr(N_("temperature fluctuation")),
                    lang.Tr(N_("the system temperature, the dish diameter and the antenna efficiency"))};
        case CalcStep::FluxOverEfficiency:
            return {lang.Tr(N_("flux")), formula(N_("(flux before the system efficiency) \u00D7 100 / system efficiency")),
                    lang.Tr(N_("system efficiency")), lang.Tr(N_("flux before the system efficiency")),
                    lang.Tr(N_("the system efficiency"))};
        case CalcStep::FluxInJanskies:
        case CalcStep::WholeNumber:
            return {lang.Tr(N_("flux")), formula(N_("(flux after the system efficiency) \u00D7 1E+29, in janskies")), {}, {},
                    lang.Tr(N_("the inputs of the flux"))};
        case CalcStep::Wavelength:
            return {lang.Tr(N_("wavelength")), formula(N_("300 / frequency")), lang.Tr(N_("frequency")), {},
                    lang.Tr(N_("the frequency"))};
        case CalcStep::ReadField: break;
    }
    return {lang.Tr(N_("result")), "", {}, {}, lang.Tr(N_("the inputs"))};
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

// Every report is one of these sentences, whole, so that a translation can
// follow its own grammar and word order: a placeholder may move or, where
// the translation says it otherwise, go. A field is offered twice: as a
// noun ("dish diameter") and as its visible label, quoted
// ("“Dish diameter (m)”"), for languages where the noun would decline.
// English uses the nouns.
namespace sentence {
constexpr std::string_view kTooLarge =
    // TRANSLATORS: %1 the field (a noun), %2 its text, quoted, %3 the largest number, %4 the field's label, quoted.
    N_("Overflow: the number in the %1 field, %2, is too large. A number can be at most about %3.");
constexpr std::string_view kEmpty =
    // TRANSLATORS: %1 the field (a noun), %2 the field's label, quoted.
    N_("Conversion error: the %1 field is empty. Type a number into it.");
constexpr std::string_view kWantsComma =
    // TRANSLATORS: %1 the field (a noun), %2 its text, quoted, %3 the text with a decimal comma, quoted, %4 the
    // field's label, quoted.
    N_("Conversion error: the text in the %1 field, %2, is not a number here: this locale writes the decimal "
       "separator as a comma. Meant as a decimal number, it is written %3. Digits cannot be grouped.");
constexpr std::string_view kWantsPoint =
    // TRANSLATORS: %1 the field (a noun), %2 its text, quoted, %3 the text with a decimal point, quoted, %4 the
    // field's label, quoted.
    N_("Conversion error: the text in the %1 field, %2, is not a number here: this locale writes the decimal "
       "separator as a point. Meant as a decimal number, it is written %3. Digits cannot be grouped.");
constexpr std::string_view kNotANumber =
    // TRANSLATORS: %1 the field (a noun), %2 its text, quoted, %3 the field's label, quoted.
    N_("Conversion error: the text in the %1 field, %2, is not a number.");
constexpr std::string_view kFluxTooLow =
    // TRANSLATORS: %1 the flux in janskies, a negative number.
    N_("Overflow: the flux, %1 Jy, is less than the \u221232768 Jy that the flux field can show. The flux falls as "
       "the dish diameter grows (it enters squared), and with higher efficiencies, a wider bandwidth or a longer "
       "time constant.");
constexpr std::string_view kFluxTooHigh =
    // TRANSLATORS: %1 the flux in janskies.
    N_("Overflow: the flux, %1 Jy, is more than the 32767 Jy that the flux field can show. The flux falls as the "
       "dish diameter grows (it enters squared), and with higher efficiencies, a wider bandwidth or a longer time "
       "constant.");
constexpr std::string_view kNegativeRoot =
    // TRANSLATORS: %1 the kind of error, %2 the quantity, %3 how it is computed, %4 the field (a noun) that is
    // negative, %5 its label, quoted.
    N_("%1: the %2, %3, is negative because the %4 is negative, and a negative number has no square root. Type a "
       "positive number into the %4 field.");
constexpr std::string_view kZeroThrough =
    // TRANSLATORS: %1 the kind of error, %2 the quantity, %3 how it is computed, %4 the quantity divided by, %5 the
    // field (a noun) that makes it zero, %6 its label, quoted.
    N_("%1: the %2 is %3, and the %4 is zero because the %5 is zero. Type a number other than zero into the %5 "
       "field.");
constexpr std::string_view kZeroInput =
    // TRANSLATORS: %1 the kind of error, %2 the quantity, %3 how it is computed, %4 the field (a noun) divided by,
    // %5 its label, quoted.
    N_("%1: the %2 is %3, and the %4 is zero. Type a number other than zero into the %4 field.");
constexpr std::string_view kZeroUnderflow =
    // TRANSLATORS: %1 the kind of error, %2 the quantity, %3 how it is computed, %4 the quantity divided by, %5 the
    // inputs to check.
    N_("%1: the %2 is %3, and the %4 is zero: too small to hold, it became zero. Check %5.");
constexpr std::string_view kNoNumberThrough =
    // TRANSLATORS: %1 the kind of error, %2 the quantity, %3 how it is computed, %4 the quantity divided, %5 the
    // quantity divided by, %6 the field (a noun) that makes them zero, %7 its label, quoted.
    N_("%1: the %2 is %3, and with the %4 and the %5 both zero (the %6 is zero) it is 0 / 0, which is no number. "
       "Type a number other than zero into the %6 field.");
constexpr std::string_view kNoNumberInput =
    // TRANSLATORS: %1 the kind of error, %2 the quantity, %3 how it is computed, %4 the quantity divided, %5 the
    // field (a noun) divided by, %6 its label, quoted.
    N_("%1: the %2 is %3, and with the %4 and the %5 both zero it is 0 / 0, which is no number. Type a number "
       "other than zero into the %5 field.");
constexpr std::string_view kNoNumber =
    // TRANSLATORS: %1 the kind of error, %2 the quantity, %3 how it is computed, %4 the quantity divided, %5 the
    // quantity divided by, %6 the inputs to check.
    N_("%1: the %2 is %3, and with the %4 and the %5 both zero it is 0 / 0, which is no number. Check %6.");
constexpr std::string_view kBeyond =
    // TRANSLATORS: %1 the kind of error, %2 the quantity, %3 how it is computed, %4 the largest number, %5 the
    // inputs to check.
    N_("%1: the %2, %3, is beyond the largest number a result can hold, about %4. Check %5.");
}  // namespace sentence

// A field's visible label, quoted.
std::string Label(Field field, const Language& lang) { return Quoted(std::string(AccessibleName(ControlOf(field), lang)), lang); }

std::string ReadFailure(const CalcError& error, const Form1& form, const Language& lang) {
    const char separator = form.DecimalSeparator();
    const Field field = *error.SourceField();
    const std::string role = RoleText(field, lang);
    const std::string label = Label(field, lang);
    const std::string& text = error.FieldTextSeen();
    const std::string quoted = Quoted(text, lang);
    if (error.Kind() == CalcErrorKind::Overflow) {
        return Format(lang.Tr(sentence::kTooLarge), {role, quoted, Decimal("3.4E+38", separator), label});
    }
    if (text.find_first_not_of(" \t") == std::string::npos) {
        return Format(lang.Tr(sentence::kEmpty), {role, label});
    }
    if (const std::optional<std::string> hint = InOtherSeparator(text, separator)) {
        return Format(lang.Tr(separator == ',' ? sentence::kWantsComma : sentence::kWantsPoint),
                      {role, quoted, Quoted(*hint, lang), label});
    }
    return Format(lang.Tr(sentence::kNotANumber), {role, quoted, label});
}

std::string WholeNumberFailure(const CalcError& error, const Form1& form, const Language& lang) {
    const double flux = error.Value().value_or(0.0);
    return Format(lang.Tr(flux < 0 ? sentence::kFluxTooLow : sentence::kFluxTooHigh),
                  {Janskies(flux, form.DecimalSeparator())});
}

std::string StepFailure(const CalcError& error, const Form1& form, const std::optional<Field>& input,
                        const Language& lang) {
    const StepWords words = WordsOf(error.Step(), form.DecimalSeparator(), lang);
    const std::string kind(KindLabel(error.Kind(), lang));
    const std::string inputRole = input ? RoleText(*input, lang) : std::string();
    const std::string inputLabel = input ? Label(*input, lang) : std::string();

    if (error.Kind() == CalcErrorKind::InvalidArgument) {
        return Format(lang.Tr(sentence::kNegativeRoot), {kind, words.quantity, words.formula, inputRole, inputLabel});
    }
    // A zero divisor: n / 0 is a division by zero, 0 / 0 no number at all.
    const bool byZero = !words.divisor.empty() && error.Kind() == CalcErrorKind::DivisionByZero;
    const bool zeroByZero = !words.numerator.empty() && error.Kind() == CalcErrorKind::Overflow && error.NoNumber();
    if (byZero) {
        const bool through = input && inputRole != words.divisor;  // the divisor is zero because an input is
        return through ? Format(lang.Tr(sentence::kZeroThrough),
                                {kind, words.quantity, words.formula, words.divisor, inputRole, inputLabel})
               : input ? Format(lang.Tr(sentence::kZeroInput), {kind, words.quantity, words.formula, inputRole, inputLabel})
                       : Format(lang.Tr(sentence::kZeroUnderflow),
                                {kind, words.quantity, words.formula, words.divisor, words.check});
    }
    if (zeroByZero) {
        const bool through = input && inputRole != words.divisor;
        return through ? Format(lang.Tr(sentence::kNoNumberThrough), {kind, words.quantity, words.formula, words.numerator,
                                                             words.divisor, inputRole, inputLabel})
               : input ? Format(lang.Tr(sentence::kNoNumberInput),
                                {kind, words.quantity, words.formula, words.numerator, inputRole, inputLabel})
                       : Format(lang.Tr(sentence::kNoNumber),
                                {kind, words.quantity, words.formula, words.numerator, words.divisor, words.check});
    }
    return Format(lang.Tr(sentence::kBeyond), {kind, words.quantity, words.formula,
                                      Decimal("3.4E+38", form.DecimalSeparator()), words.check});
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
