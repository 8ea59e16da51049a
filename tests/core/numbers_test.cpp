// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "calc/calc_error.hpp"
#include "calc/handlers.hpp"
#include "calc/fields.hpp"
#include "calc/float_status.hpp"
#include "calc/numbers.hpp"

namespace ardelin {
namespace {

struct ParseCase {
    const char* text;
    char sep;
    std::optional<CalcErrorKind> error;
    float value;  // when no error
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << "\" sep '" << c.sep << '\''; }

class ParseSingleTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseSingleTest, ReadsOrRejects) {
    const ParseCase& c = GetParam();
    const ParsedSingle got = ParseSingle(c.text, c.sep);
    ASSERT_EQ(got.error, c.error) << '"' << c.text << '"';
    if (!c.error) {
        EXPECT_EQ(got.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(std::signbit(got.value), std::signbit(c.value)) << '"' << c.text << '"';
    }
}

constexpr auto kConv = CalcErrorKind::Conversion;
constexpr auto kOver = CalcErrorKind::Overflow;
constexpr float kMinSub = std::numeric_limits<float>::denorm_min();
constexpr float kMax = std::numeric_limits<float>::max();

INSTANTIATE_TEST_SUITE_P(
    Accepted, ParseSingleTest,
    ::testing::Values(
        ParseCase{"2", '.', {}, 2.0F}, ParseCase{"  2  ", '.', {}, 2.0F}, ParseCase{"\t2\t", '.', {}, 2.0F},
        ParseCase{"0.5", '.', {}, 0.5F}, ParseCase{"-3", '.', {}, -3.0F}, ParseCase{"+3", '.', {}, 3.0F},
        ParseCase{"1.4e-3", '.', {}, 1.4e-3F}, ParseCase{"1.4E-3", '.', {}, 1.4e-3F},
        ParseCase{"1e+2", '.', {}, 100.0F}, ParseCase{".5", '.', {}, 0.5F}, ParseCase{"5.", '.', {}, 5.0F},
        ParseCase{"-0", '.', {}, -0.0F}, ParseCase{"000012.50e+0001", '.', {}, 125.0F},
        // 0.1 is the single nearest to it, not the decimal.
        ParseCase{"0.1", '.', {}, 0.1F}, ParseCase{"0.2112676", '.', {}, 0.2112676F},
        // The largest single and the text that still rounds to it.
        ParseCase{"3.4028235e38", '.', {}, kMax}, ParseCase{"3.40282356e38", '.', {}, kMax},
        // Below the single range: subnormal or zero, never an error.
        ParseCase{"1e-45", '.', {}, kMinSub}, ParseCase{"1e-50", '.', {}, 0.0F},
        ParseCase{"-1e-50", '.', {}, -0.0F}, ParseCase{"1e-400", '.', {}, 0.0F},
        ParseCase{"-1e-400", '.', {}, -0.0F}, ParseCase{"0.0000000000000000000000000000000000000000000000001", '.', {}, 0.0F},
        ParseCase{"1e-99999999999999999999", '.', {}, 0.0F},
        // The locale's comma.
        ParseCase{"0,5", ',', {}, 0.5F}, ParseCase{" -1,25E1 ", ',', {}, -12.5F}, ParseCase{",5", ',', {}, 0.5F},
        ParseCase{"2", ',', {}, 2.0F}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, ParseSingleTest,
    ::testing::Values(
        ParseCase{"", '.', kConv, 0}, ParseCase{"   ", '.', kConv, 0}, ParseCase{"Diameter of dish (m)", '.', kConv, 0},
        ParseCase{"Wavelength (m)", '.', kConv, 0}, ParseCase{"inf", '.', kConv, 0}, ParseCase{"-inf", '.', kConv, 0},
        ParseCase{"infinity", '.', kConv, 0}, ParseCase{"nan", '.', kConv, 0}, ParseCase{"NaN", '.', kConv, 0},
        ParseCase{"0x1p3", '.', kConv, 0}, ParseCase{"0x10", '.', kConv, 0}, ParseCase{"1,000.5", '.', kConv, 0},
        ParseCase{"1 000", '.', kConv, 0}, ParseCase{"1e", '.', kConv, 0}, ParseCase{"1e+", '.', kConv, 0},
        ParseCase{"e5", '.', kConv, 0}, ParseCase{".", '.', kConv, 0}, ParseCase{"-", '.', kConv, 0},
        ParseCase{"+-1", '.', kConv, 0}, ParseCase{"--1", '.', kConv, 0}, ParseCase{"1..2", '.', kConv, 0},
        ParseCase{"1.2.3", '.', kConv, 0}, ParseCase{"2m", '.', kConv, 0}, ParseCase{"6.3 degrees", '.', kConv, 0},
        ParseCase{"1d5", '.', kConv, 0}, ParseCase{"\n2", '.', kConv, 0}, ParseCase{"2\n", '.', kConv, 0},
        ParseCase{"1e5.5", '.', kConv, 0}, ParseCase{"\xc2\xa0" "2", '.', kConv, 0},
        // The other locale's separator is never silently taken for a grouping or a fraction.
        ParseCase{"1,5", '.', kConv, 0}, ParseCase{"1.5", ',', kConv, 0}, ParseCase{"1.000", ',', kConv, 0},
        ParseCase{"1.000,5", ',', kConv, 0}));

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, ParseSingleTest,
    ::testing::Values(ParseCase{"1e39", '.', kOver, 0}, ParseCase{"-1e39", '.', kOver, 0},
                      ParseCase{"3.4028236e38", '.', kOver, 0}, ParseCase{"1e400", '.', kOver, 0},
                      ParseCase{"-1e400", '.', kOver, 0}, ParseCase{"1e99999999999999999999", '.', kOver, 0},
                      ParseCase{"0.000001e400", '.', kOver, 0}, ParseCase{"1,0e39", ',', kOver, 0}));

TEST(ParseSingle, ThousandsOfDigitsStillDenoteTheirNumber) {
    const std::string longInt = "1" + std::string(30, '0') + "." + std::string(5000, '0') + "1";
    EXPECT_EQ(ParseSingle(longInt, '.').value, 1e30F);
    const std::string longFrac = "0." + std::string(4000, '0') + "5e4001";
    EXPECT_EQ(ParseSingle(longFrac, '.').value, 5.0F);
    const std::string manyNines = "0." + std::string(3000, '9');
    EXPECT_EQ(ParseSingle(manyNines, '.').value, 1.0F);
}

struct FormatCase {
    float value;
    const char* dot;
    const char* comma;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.dot; }

class FormatSingleTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatSingleTest, GeneralForm) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatSingle(c.value, '.'), c.dot);
    EXPECT_EQ(FormatSingle(c.value, ','), c.comma);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatSingleTest,
    ::testing::Values(
        FormatCase{1.0F, "1", "1"}, FormatCase{0.0F, "0", "0"}, FormatCase{-0.0F, "0", "0"},
        FormatCase{1.0F / 3.0F, "0.3333333", "0,3333333"}, FormatCase{-2.0F / 3.0F, "-0.6666667", "-0,6666667"},
        FormatCase{6.2999997F, "6.3", "6,3"}, FormatCase{0.50399998F, "0.504", "0,504"}, FormatCase{0.50399995F, "0.5039999", "0,5039999"},
        FormatCase{0.21126761F, "0.2112676", "0,2112676"}, FormatCase{0.00050000002F, "0.0005", "0,0005"},
        FormatCase{0.031622775F, "0.03162277", "0,03162277"}, FormatCase{1.7825354F, "1.782535", "1,782535"},
        // Switch points of exponent notation.
        FormatCase{9999999.0F, "9999999", "9999999"}, FormatCase{10000000.0F, "1E+07", "1E+07"},
        FormatCase{9999999.5F, "1E+07", "1E+07"}, FormatCase{123456789.0F, "1.234568E+08", "1,234568E+08"},
        FormatCase{0.0001F, "0.0001", "0,0001"}, FormatCase{0.00012345678F, "0.0001234568", "0,0001234568"},
        FormatCase{0.000099999F, "9.9999E-05", "9,9999E-05"}, FormatCase{1.5e-5F, "1.5E-05", "1,5E-05"},
        FormatCase{-1.5e-5F, "-1.5E-05", "-1,5E-05"}, FormatCase{kMax, "3.402823E+38", "3,402823E+38"},
        FormatCase{kMinSub, "1.401298E-45", "1,401298E-45"}, FormatCase{-32768.0F, "-32768", "-32768"}));

TEST(FormatInteger, DigitsAndSign) {
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(3), "3");
    EXPECT_EQ(FormatInteger(2818), "2818");
    EXPECT_EQ(FormatInteger(32767), "32767");
    EXPECT_EQ(FormatInteger(-32768), "-32768");
}

struct RoundCase {
    double value;
    std::optional<std::int16_t> whole;  // nullopt: overflow
};

void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.value; }

class RoundToInteger16Test : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInteger16Test, NearestEvenOrOverflow) {
    const RoundCase& c = GetParam();
    if (c.whole) {
        EXPECT_EQ(RoundToInteger16(c.value), *c.whole) << c.value;
    } else {
        try {
            (void)RoundToInteger16(c.value);
            FAIL() << "no overflow for " << c.value;
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Kind(), CalcErrorKind::Overflow);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RoundToInteger16Test,
    ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2}, RoundCase{2.5000000000000004, 3},
                      RoundCase{2.4999999999999996, 2}, RoundCase{0.5, 0}, RoundCase{-0.5, 0}, RoundCase{1.5, 2},
                      RoundCase{32767.0, 32767}, RoundCase{32767.49, 32767}, RoundCase{32767.5, std::nullopt},
                      RoundCase{32768.0, std::nullopt}, RoundCase{-32768.0, -32768}, RoundCase{-32768.5, -32768},
                      RoundCase{-32768.500001, std::nullopt}, RoundCase{-32769.0, std::nullopt},
                      RoundCase{1e300, std::nullopt}, RoundCase{-1e300, std::nullopt},
                      RoundCase{std::numeric_limits<double>::infinity(), std::nullopt},
                      RoundCase{std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

TEST(SquareRoot, ZerosNegativesAndValues) {
    EXPECT_EQ(SquareRoot(4e10), 200000.0);
    EXPECT_EQ(SquareRoot(0.0), 0.0);
    EXPECT_FALSE(std::signbit(SquareRoot(-0.0)));
    for (const double bad : {-1.0, -1e-300, -std::numeric_limits<double>::infinity()}) {
        try {
            (void)SquareRoot(bad);
            FAIL() << "no error for " << bad;
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Kind(), CalcErrorKind::InvalidArgument);
        }
    }
}

// A step's result and its divisor decide alike with and without flags.
TEST(CheckFloatStatus, VerdictOfAStepOnItsResult) {
    struct Case {
        double numerator;
        double divisor;
        bool toSingle;  // the step's result is a single
        std::optional<CalcErrorKind> error;
        bool noNumber;
    };
    constexpr double kMax = std::numeric_limits<float>::max();
    constexpr double kTiny = std::numeric_limits<float>::denorm_min();
    const Case cases[] = {
        {1, 3, true, {}, false},
        {kTiny, 1e10, true, {}, false},  // underflow to zero is no fault
        {-kTiny, 3, true, {}, false},
        {kMax, 1, true, {}, false},
        {kMax * 1.0000001, 1, true, CalcErrorKind::Overflow, false},  // only the rounding to single overflows
        {kMax * 1.0000001, 1, false, {}, false},                       // a double step holds it
        {1e300, 1e-300, false, CalcErrorKind::Overflow, false},
        {1, 0, true, CalcErrorKind::DivisionByZero, false},
        {-kTiny, -0.0, false, CalcErrorKind::DivisionByZero, false},
        {0, 0, true, CalcErrorKind::Overflow, true},
        {-0.0, 0, false, CalcErrorKind::Overflow, true},
    };
    for (const Case& c : cases) {
        ClearFloatStatus();
        const volatile double numerator = c.numerator;
        const volatile double divisor = c.divisor;
        const volatile double result = c.toSingle ? static_cast<float>(numerator / divisor) : numerator / divisor;
        std::optional<CalcErrorKind> got;
        bool noNumber = false;
        try {
            CheckFloatStatus(CalcStep::BeamWidth, result, divisor);
        } catch (const CalcError& e) {
            got = e.Kind();
            noNumber = e.NoNumber();
        }
        EXPECT_EQ(got, c.error) << c.numerator << " / " << c.divisor;
        EXPECT_EQ(noNumber, c.noNumber) << c.numerator << " / " << c.divisor;
    }
}

// WebAssembly has no floating-point status flags.
#if defined(FE_DIVBYZERO) && defined(FE_INVALID) && defined(FE_OVERFLOW)
struct StatusCase {
    int raised;
    std::optional<CalcErrorKind> error;
};

class CheckFloatStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(CheckFloatStatusTest, KindFromFlags) {
    const StatusCase& c = GetParam();
    ClearFloatStatus();
    std::feraiseexcept(c.raised);
    std::optional<CalcErrorKind> got;
    try {
        CheckFloatStatus(CalcStep::BeamWidth, 1.0);
    } catch (const CalcError& e) {
        got = e.Kind();
    }
    EXPECT_EQ(got, c.error) << "flags " << c.raised;
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0) << "fault flags left set";
}

INSTANTIATE_TEST_SUITE_P(
    Flags, CheckFloatStatusTest,
    ::testing::Values(StatusCase{0, {}}, StatusCase{FE_INEXACT, {}}, StatusCase{FE_UNDERFLOW | FE_INEXACT, {}},
                      StatusCase{FE_DIVBYZERO, CalcErrorKind::DivisionByZero},
                      StatusCase{FE_INVALID, CalcErrorKind::Overflow},
                      StatusCase{FE_OVERFLOW | FE_INEXACT, CalcErrorKind::Overflow},
                      StatusCase{FE_DIVBYZERO | FE_INVALID, CalcErrorKind::DivisionByZero},
                      StatusCase{FE_DIVBYZERO | FE_OVERFLOW, CalcErrorKind::DivisionByZero},
                      StatusCase{FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW, CalcErrorKind::Overflow}));
#endif

}  // namespace
}  // namespace ardelin

namespace ardelin {
namespace {

#if defined(FE_DIVBYZERO) && defined(FE_INVALID) && defined(FE_OVERFLOW)
// A fault flag left over from before a field access never reaches a later test.
TEST(FieldAccess, ClearsTheFaultFlags) {
    for (const int flag : {FE_DIVBYZERO, FE_INVALID, FE_OVERFLOW}) {
        Form1 form;
        BindCalculations(form);
        form.SetText(Field::FreqText, "2");
        std::feraiseexcept(flag);
        EXPECT_EQ(ReadField(form, Field::FreqText), 2.0F);
        EXPECT_NO_THROW(CheckFloatStatus(CalcStep::BeamWidth, 1.0)) << "after reading, flag " << flag;
        std::feraiseexcept(flag);
        WriteField(form, Field::DTText, "x");
        EXPECT_NO_THROW(CheckFloatStatus(CalcStep::BeamWidth, 1.0)) << "after writing, flag " << flag;
    }
}
#endif

}  // namespace
}  // namespace ardelin

namespace ardelin {
namespace {

// A megabyte pasted into a field: read whole, decided by what it says.
TEST(ParseSingle, MegabyteTexts) {
    constexpr std::size_t kMiB = 1 << 20;
    struct Case {
        std::string text;
        std::optional<CalcErrorKind> error;
        float value;
    };
    const Case cases[] = {
        {std::string(kMiB, 'x'), CalcErrorKind::Conversion, 0},
        {std::string(kMiB, '1') + "x", CalcErrorKind::Conversion, 0},
        {std::string(kMiB, '1'), CalcErrorKind::Overflow, 0},
        {"0." + std::string(kMiB, '0') + "1", std::nullopt, 0.0F},
        {"0." + std::string(kMiB, '0') + "25e1048577", std::nullopt, 2.5F},
        {std::string(kMiB, ' ') + "2" + std::string(kMiB, '\t'), std::nullopt, 2.0F},
        {std::string(kMiB, '0') + "3", std::nullopt, 3.0F},
    };
    for (const Case& c : cases) {
        const ParsedSingle got = ParseSingle(c.text, '.');
        EXPECT_EQ(got.error, c.error) << c.text.substr(0, 20);
        if (!c.error) {
            EXPECT_EQ(got.value, c.value) << c.text.substr(0, 20);
        }
    }
}

}  // namespace
}  // namespace ardelin

namespace ardelin {
namespace {

// A number written with the other locale's separator is shown as this one
// writes it; anything else gets no hint.
TEST(InOtherSeparator, RewritesOnlyNumbersOfTheOtherNotation) {
    struct Case {
        const char* text;
        char sep;
        std::optional<std::string> hint;
    };
    const Case cases[] = {
        {"0.21", ',', "0,21"},       {" -1.5e3 ", ',', "-1,5e3"}, {"1.000", ',', "1,000"},
        {"1e39.5", ',', std::nullopt}, {"0,21", '.', "0.21"},     {"1,0e39", '.', "1.0e39"},
        {"0.21", '.', std::nullopt}, {"2", ',', std::nullopt},     {"1.000,5", ',', std::nullopt},
        {"1,000.5", '.', std::nullopt}, {"a.b", ',', std::nullopt}, {"", ',', std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InOtherSeparator(c.text, c.sep), c.hint) << '"' << c.text << "\" sep " << c.sep;
    }
}

// The longest number texts are the 13 characters of each shape, and they
// are numbers the fields read back.
TEST(LongestSingleTexts, ThreeShapesOfThirteenCharacters) {
    for (const char sep : {'.', ','}) {
        const std::vector<std::string> texts = LongestSingleTexts(sep);
        ASSERT_EQ(texts.size(), 3U);
        EXPECT_EQ(texts[0], sep == '.' ? "-0.0001234568" : "-0,0001234568");
        EXPECT_EQ(texts[1], sep == '.' ? "-1.234568E-05" : "-1,234568E-05");
        EXPECT_EQ(texts[2], sep == '.' ? "-1.234568E+07" : "-1,234568E+07");
        for (const std::string& t : texts) {
            EXPECT_FALSE(ParseSingle(t, sep).error) << t;
        }
    }
}

}  // namespace
}  // namespace ardelin

namespace ardelin {
namespace {

// Texts beyond double's range both ways, whose digits and exponent point
// opposite ways: the sign of the whole decides zero or overflow.
TEST(ParseSingle, DigitsAndExponentPointingOppositeWays) {
    struct Case {
        std::string text;
        std::optional<CalcErrorKind> error;
        float value;
    };
    const std::string zeros400(400, '0');
    const std::string zerosMiB(std::size_t{1} << 20, '0');  // 1048576
    const Case cases[] = {
        {"0." + zeros400 + "1e10", std::nullopt, 0.0F},               // 1e-391
        {"-0." + zeros400 + "1e10", std::nullopt, -0.0F},
        {"1" + zeros400 + "e-10", CalcErrorKind::Overflow, 0},        // 1e390
        {"0." + zeros400 + "1e1000", CalcErrorKind::Overflow, 0},     // 1e599: the exponent wins
        {"1" + zeros400 + "e-1000", std::nullopt, 0.0F},              // 1e-600
        {"1" + zeros400 + "e-400", std::nullopt, 1.0F},               // cancels exactly
        // A megabyte of digits, nearly cancelled by the exponent.
        {"0." + zerosMiB + "1e1048577", std::nullopt, 1.0F},
        {"0." + zerosMiB + "1e1048540", std::nullopt, 1e-37F},
        {"0." + zerosMiB + "1e1048000", std::nullopt, 0.0F},          // 1e-577
        {"1" + zerosMiB + "e-1048538", std::nullopt, 1e38F},
        {"1" + zerosMiB + "e-1048537", CalcErrorKind::Overflow, 0},   // 1e39
        {"1" + zerosMiB + "e-1048000", CalcErrorKind::Overflow, 0},   // 1e576
    };
    for (const Case& c : cases) {
        const ParsedSingle got = ParseSingle(c.text, '.');
        const std::string shown = c.text.substr(0, 12) + "..." + c.text.substr(c.text.size() - 12);
        ASSERT_EQ(got.error, c.error) << shown;
        if (!c.error) {
            EXPECT_EQ(got.value, c.value) << shown;
            EXPECT_EQ(std::signbit(got.value), std::signbit(c.value)) << shown;
        }
    }
}

// A view into a longer text is read to its own end and no further.
TEST(ParseSingle, ReadsAViewToItsEndOnly) {
    struct Case {
        std::string_view text;
        std::optional<CalcErrorKind> error;
        float value;
    };
    const std::string_view longer = "1.5e10 2e5x";
    const Case cases[] = {
        {longer.substr(0, 3), std::nullopt, 1.5F},                 // "1.5", not 1.5e10
        {longer.substr(0, 4), CalcErrorKind::Conversion, 0},       // "1.5e"
        {longer.substr(0, 7), std::nullopt, 1.5e10F},              // "1.5e10 "
        {longer.substr(7, 1), std::nullopt, 2.0F},                 // "2"
        {longer.substr(7, 3), std::nullopt, 2e5F},                 // "2e5"
        {longer.substr(7), CalcErrorKind::Conversion, 0},          // "2e5x"
        {longer.substr(3, 0), CalcErrorKind::Conversion, 0},       // empty
    };
    for (const Case& c : cases) {
        const ParsedSingle got = ParseSingle(c.text, '.');
        ASSERT_EQ(got.error, c.error) << '"' << c.text << '"';
        if (!c.error) {
            EXPECT_EQ(got.value, c.value) << '"' << c.text << '"';
        }
    }
}

// Each kind has its plain words, and an error says them.
TEST(CalcError, KindNamesAndMessages) {
    struct Case {
        CalcErrorKind kind;
        const char* name;
    };
    const Case cases[] = {{CalcErrorKind::Conversion, "conversion"},
                          {CalcErrorKind::Overflow, "overflow"},
                          {CalcErrorKind::DivisionByZero, "division by zero"},
                          {CalcErrorKind::InvalidArgument, "invalid argument"}};
    for (const Case& c : cases) {
        EXPECT_STREQ(KindName(c.kind), c.name);
        EXPECT_STREQ(CalcError(c.kind, CalcStep::BeamWidth).what(), c.name);
        EXPECT_EQ(std::string(CalcError(c.kind, Field::FreqText, "x").what()), std::string(c.name) + " in FreqText");
    }
}

}  // namespace
}  // namespace ardelin
