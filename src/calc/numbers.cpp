// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/numbers.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace ardelin {
namespace {

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
    // std::from_chars takes no '+' and only '.'; hand it that form.
    std::string normal(s.substr(s.front() == '+' ? 1 : 0));
    std::replace(normal.begin(), normal.end(), decimalSeparator, '.');
    double wide = 0.0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), wide);
    if (ec == std::errc::result_out_of_range) {
        // Beyond double both ways: a huge magnitude overflows, a tiny one is zero.
        if (scan.magnitude >= 0) {
            return {0.0F, CalcErrorKind::Overflow};
        }
        return {scan.negative ? -0.0F : 0.0F, std::nullopt};
    }
    if (ec != std::errc{} || end != normal.data() + normal.size()) {
        return {0.0F, CalcErrorKind::Conversion};
    }
    const auto single = static_cast<float>(wide);
    if (std::isinf(single)) {
        return {0.0F, CalcErrorKind::Overflow};
    }
    return {single, std::nullopt};
}

std::string FormatSingle(float value, char decimalSeparator) {
    if (value == 0.0F) {
        return "0";  // also for -0, which has no meaning to the user
    }
    std::array<char, 32> buf{};
    const auto result =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 7);
    std::string text(buf.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        } else if (c == '.') {
            c = decimalSeparator;
        }
    }
    return text;
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
