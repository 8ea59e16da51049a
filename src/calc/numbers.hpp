// SPDX-License-Identifier: GPL-3.0-or-later
// Text to number and number to text, as every field shows and reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc_error.hpp"

namespace ardelin {

struct ParsedSingle {
    float value = 0.0F;
    std::optional<CalcErrorKind> error;  // Conversion or Overflow when set
};

// Reads a whole text as a single: optional blanks, an optional sign, digits
// with an optional fraction after `decimalSeparator`, an optional exponent,
// optional blanks. Parsed to double, then rounded to single. Anything else is
// Conversion; a value beyond the single range is Overflow; a value too small
// for single becomes a subnormal or zero.
[[nodiscard]] ParsedSingle ParseSingle(std::string_view text, char decimalSeparator);

// General text of a single: at most seven significant digits, no trailing
// zeros, no separator for a whole value, never "-0". Exponent notation, as
// 1E+07 or 1.5E-05, once the decimal exponent is below -4 or above 6.
[[nodiscard]] std::string FormatSingle(float value, char decimalSeparator);

[[nodiscard]] std::string FormatInteger(std::int16_t value);

// The magnitude of `value` in scientific notation with `significant` digits,
// correctly rounded: FormatScientific(-45095.3, 4, ',') is "4,510E+04". The
// caller writes the sign.
[[nodiscard]] std::string FormatScientific(double value, int significant, char decimalSeparator);

// The longest texts FormatSingle writes, one of each shape (plain and with an
// exponent of either sign). With its digits replaced by a font's widest
// digit, one of them is the widest number any result can show in that font.
[[nodiscard]] std::vector<std::string> LongestSingleTexts(char decimalSeparator);

// A text that is no number here but would be one with the other separator
// (',' for '.', '.' for ','), rewritten as this separator writes it: "0.21"
// becomes "0,21". nullopt for any other text. Nothing is read from it.
[[nodiscard]] std::optional<std::string> InOtherSeparator(std::string_view text, char decimalSeparator);

}  // namespace ardelin
