// SPDX-License-Identifier: GPL-3.0-or-later
// Sweeps over the single-precision bit patterns and the 16-bit rounding edges.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "calc/calc_error.hpp"
#include "calc/float_status.hpp"
#include "calc/numbers.hpp"

namespace ardelin {
namespace {

float FromBits(std::uint32_t bits) {
    float f = 0;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// x rounded to seven significant digits by printf, then read as every field
// reads: to double, then to single.
float SevenDigits(float x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(x));
    return static_cast<float>(std::strtod(buf, nullptr));
}

std::vector<float> SampledSingles() {
    std::vector<float> xs;
    constexpr std::uint64_t kStride = 4093;  // prime: every exponent, varied mantissas
    for (std::uint64_t bits = 0; bits <= 0xFFFF'FFFFULL; bits += kStride) {
        xs.push_back(FromBits(static_cast<std::uint32_t>(bits)));
    }
    const float edges[] = {0.0F,
                           std::numeric_limits<float>::denorm_min(),
                           FromBits(0x007F'FFFF),  // largest subnormal
                           std::numeric_limits<float>::min(),
                           std::numeric_limits<float>::max(),
                           1.0F / 3.0F,
                           9999999.0F,
                           9999999.5F,
                           0.0001F,
                           0.000099999994F};
    for (const float e : edges) {
        for (const float s : {e, -e}) {
            xs.push_back(s);
            xs.push_back(std::nextafter(s, 0.0F));
            xs.push_back(std::nextafter(s, std::numeric_limits<float>::infinity()));
        }
    }
    for (int p = -45; p <= 38; ++p) {
        const auto ten = static_cast<float>(std::pow(10.0, p));
        for (const float s : {ten, -ten}) {
            xs.push_back(s);
            xs.push_back(std::nextafter(s, 0.0F));
            xs.push_back(std::nextafter(s, 2.0F * s));
        }
    }
    return xs;
}

TEST(Sweep, WrittenSinglesReadBackRoundedToSevenDigits) {
    std::size_t checked = 0;
    for (const float x : SampledSingles()) {
        if (!std::isfinite(x)) continue;
        for (const char sep : {'.', ','}) {
            const std::string text = FormatSingle(x, sep);
            const ParsedSingle back = ParseSingle(text, sep);
            ASSERT_FALSE(back.error) << text;
            ASSERT_EQ(back.value, SevenDigits(x)) << text << " from " << x;
            ASSERT_LE(text.size(), 13U) << text;  // "-1.234567E-45" is the longest
            ++checked;
        }
    }
    EXPECT_GT(checked, 2'000'000U);
}

// Nine digits identify every single: the fields read them back exactly.
TEST(Sweep, NineDigitTextsReadExactly) {
    for (const float x : SampledSingles()) {
        if (!std::isfinite(x)) continue;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.8e", static_cast<double>(x));
        const ParsedSingle back = ParseSingle(buf, '.');
        ASSERT_FALSE(back.error) << buf;
        ASSERT_EQ(back.value, x) << buf;
        ASSERT_EQ(std::signbit(back.value), std::signbit(x)) << buf;
    }
}

// Every half between -32769.5 and 32768.5 goes to its even neighbour, and
// only a result inside -32768..32767 is accepted.
TEST(Sweep, RoundToInteger16AtEveryHalf) {
    for (int k = -32770; k <= 32768; ++k) {
        const double half = k + 0.5;
        const int even = (k % 2 == 0) ? k : k + 1;
        for (const auto& [value, whole] : {std::pair{half, even}, std::pair{std::nextafter(half, -1e9), k},
                                           std::pair{std::nextafter(half, 1e9), k + 1}}) {
            if (whole < -32768 || whole > 32767) {
                EXPECT_THROW((void)RoundToInteger16(value), CalcError) << value;
            } else {
                EXPECT_EQ(RoundToInteger16(value), whole) << value;
            }
        }
    }
}

}  // namespace
}  // namespace ardelin
