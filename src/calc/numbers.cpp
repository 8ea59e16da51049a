// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/numbers.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>
#include <version>

// Where the library has no floating-point from_chars and to_chars (such as
// the libc++ of WebAssembly builds), fast_float reads and {fmt} writes; both
// are exact and follow no locale, so every platform gets the same texts.
#if !defined(__cpp_lib_to_chars) || defined(ARDELIN_PORTABLE_NUMBER_TEXT)
#define ARDELIN_NUMBER_TEXT_LIBRARIES 1
#define FMT_HEADER_ONLY
#define FMT_STATIC_THOUSANDS_SEPARATOR ','  // {fmt} without std::locale, which would weigh on the module
#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>
#endif

namespace ardelin {
namespace {

// The whole of `text` as a double, correctly rounded. A magnitude beyond
// double gives ±infinity or ±0 (the library's out-of-range answer is turned
// into those), so both readers answer alike.
struct ReadDouble {
    double value = 0.0;
    bool ok = false;
};

ReadDouble ReadWhole(std::string_view text, [[maybe_unused]] bool huge) {
    double value = 0.0;
    const char* end = text.data() + text.size();
#if defined(ARDELIN_NUMBER_TEXT_LIBRARIES)
    const auto [ptr, ec] = fast_float::from_chars(text.data(), end, value);
#else
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec == std::errc::result_out_of_range) {
        return {huge ? HUGE_VAL : 0.0, true};
    }
#endif
    return {value, ec == std::errc{} && ptr == end};
}

// |value| written with `precision` digits after the point in scientific
// notation, correctly rounded, as "6.338028e+00".
std::string Scientific(double value, int precision) {
#if defined(ARDELIN_NUMBER_TEXT_LIBRARIES)
    // Compiled, so that only the writer of a double comes into the module.
    return fmt::format(FMT_COMPILE("{:.{}e}"), std::fabs(value), precision);
#else
    std::array<char, 64> buf{};
    const auto result =
        std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value), std::chars_format::scientific, precision);
    return {buf.data(), result.ptr};
#endif
}

// A scientific text split into its significant digits and the decimal
// exponent of the first.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits Split(const std::string& scientific) {
    Digits d;
    const std::size_t e = scientific.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (scientific[i] != '.') {
            d.digits += scientific[i];
        }
    }
    d.exponent = std::atoi(scientific.c_str() + e + 1);
    return d;
}

// "6.338028E+00", "1E+07", "1,5E-05": the first digit, the separator and the
// rest if any, then the exponent with a sign and at least two digits.
std::string ExponentForm(const Digits& d, char decimalSeparator) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        text += decimalSeparator + d.digits.substr(1);
    }
    const std::string exponent = std::to_string(d.exponent < 0 ? -d.exponent : d.exponent);
    return text + 'E' + (d.exponent < 0 ? '-' : '+') + (exponent.size() < 2 ? "0" : "") + exponent;
}

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// What the grammar scan learns of a number's text.
struct Scan {
    bool valid = false;
    bool negative = false;
    // Decimal exponent of the leading significant digit, saturated; only
    // meaningful for a non-zero value.
    long long magnitude = 0;
};

Scan ScanNumber(std::string_view s, char sep) {
    Scan scan;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        scan.negative = s[i] == '-';
        ++i;
    }
    constexpr long long kSaturate = 1'000'000'000;
    long long leadingExp = 0;  // magnitude before the explicit exponent
    bool seenNonZero = false;
    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
        if (seenNonZero) {
            leadingExp = std::min(leadingExp + 1, kSaturate);
        } else if (s[i] != '0') {
            seenNonZero = true;
        }
    }
    if (i < s.size() && s[i] == sep) {
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
            if (!seenNonZero) {
                leadingExp = std::max(leadingExp - 1, -kSaturate);
                seenNonZero = s[i] != '0';
            }
        }
    }
    if (digits == 0) {
        return scan;
    }
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            ++i;
        }
        std::size_t expDigits = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i, ++expDigits) {
            exponent = std::min(exponent * 10 + (s[i] - '0'), kSaturate);
        }
        if (expDigits == 0) {
            return scan;
        }
        exponent = expNegative ? -exponent : exponent;
    }
    scan.valid = i == s.size();
    scan.magnitude = leadingExp + exponent;
    return scan;
}

}  // namespace

ParsedSingle ParseSingle(std::string_view text, char decimalSeparator) {
    const std::string_view s = TrimBlanks(text);
    const Scan scan = ScanNumber(s, decimalSeparator);
    if (!scan.valid) {
        return {0.0F, CalcErrorKind::Conversion};
    }
    // The readers take no '+' and only '.'; hand them that form.
    std::string normal(s.substr(s.front() == '+' ? 1 : 0));
    std::replace(normal.begin(), normal.end(), decimalSeparator, '.');
    const ReadDouble wide = ReadWhole(normal, scan.magnitude >= 0);
    if (!wide.ok) {
        return {0.0F, CalcErrorKind::Conversion};
    }
    if (wide.value == 0.0) {
        return {scan.negative ? -0.0F : 0.0F, std::nullopt};  // too small even for double: zero
    }
    const auto single = static_cast<float>(wide.value);
    if (std::isinf(single)) {
        return {0.0F, CalcErrorKind::Overflow};
    }
    return {single, std::nullopt};
}

std::string FormatSingle(float value, char decimalSeparator) {
    if (value == 0.0F) {
        return "0";  // also for -0, which has no meaning to the user
    }
    // As printf's %.7G: seven significant digits, correctly rounded; plain
    // unless the exponent is below -4 or above 6; no trailing zeros.
    Digits d = Split(Scientific(value, 6));
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    std::string text = value < 0 ? "-" : "";
    if (d.exponent < -4 || d.exponent > 6) {
        return text + ExponentForm(d, decimalSeparator);
    }
    if (d.exponent < 0) {
        return text + '0' + decimalSeparator + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    const auto whole = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) {
        return text + d.digits + std::string(whole - d.digits.size(), '0');
    }
    return text + d.digits.substr(0, whole) + decimalSeparator + d.digits.substr(whole);
}

std::string FormatScientific(double value, int significant, char decimalSeparator) {
    return ExponentForm(Split(Scientific(value, significant - 1)), decimalSeparator);
}

std::string FormatInteger(std::int16_t value) {
    std::array<char, 8> buf{};
    const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return {buf.data(), result.ptr};
}

std::vector<std::string> LongestSingleTexts(char decimalSeparator) {
    return {FormatSingle(-0.00012345678F, decimalSeparator), FormatSingle(-1.2345678e-5F, decimalSeparator),
            FormatSingle(-1.2345678e+7F, decimalSeparator)};
}

std::optional<std::string> InOtherSeparator(std::string_view text, char decimalSeparator) {
    const char other = decimalSeparator == ',' ? '.' : ',';
    const std::string_view s = TrimBlanks(text);
    if (s.find(other) == std::string_view::npos || ParseSingle(s, decimalSeparator).error != CalcErrorKind::Conversion ||
        ParseSingle(s, other).error == CalcErrorKind::Conversion) {
        return std::nullopt;
    }
    std::string rewritten(s);
    std::replace(rewritten.begin(), rewritten.end(), other, decimalSeparator);
    return rewritten;
}

}  // namespace ardelin
