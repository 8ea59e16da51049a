// SPDX-License-Identifier: GPL-3.0-or-later
// The three calculations through the form model: worked examples, every
// failure with the fields it leaves behind, and reading order.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/calc_error.hpp"
#include "test_form.hpp"
#include "model/form1.hpp"

namespace ardelin {
namespace {

using Changes = std::vector<std::pair<Field, std::string>>;
using Inputs = std::vector<std::pair<Field, std::string>>;

struct CalcCase {
    const char* name;
    Button button;
    Inputs inputs;
    std::optional<CalcErrorKind> error;
    Changes changed;  // fields whose text the press must change; all others keep theirs
};

void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name; }

class CalculationTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalculationTest, ResultsAndFieldsAfterwards) {
    const CalcCase& c = GetParam();
    Form1 form;
    BindCalculations(form);
    // Stale text in the results shows which ones a press really wrote.
    for (const Field f : {Field::BeamwidthText, Field::DTText, Field::LowerLimitText}) {
        form.SetText(f, "stale");
    }
    for (const auto& [field, text] : c.inputs) {
        form.SetText(field, text);
    }
    auto expected = test::Snapshot(form);
    for (const auto& [field, text] : c.changed) {
        expected[static_cast<std::size_t>(field)] = text;
    }
    EXPECT_EQ(test::PressCatching(form, c.button), c.error);
    for (const Field f : kAllFields) {
        EXPECT_EQ(form.Text(f), expected[static_cast<std::size_t>(f)]) << Info(f).name;
    }
}

constexpr auto kConv = CalcErrorKind::Conversion;
constexpr auto kOver = CalcErrorKind::Overflow;
constexpr auto kDiv0 = CalcErrorKind::DivisionByZero;
constexpr auto kInvalid = CalcErrorKind::InvalidArgument;

Inputs Beam(const char* lambda, const char* d) {
    return {{Field::WavelengthText, lambda}, {Field::DiameterText, d}};
}

INSTANTIATE_TEST_SUITE_P(
    BeamWidth, CalculationTest,
    ::testing::Values(
        CalcCase{"worked_0_21_over_2", Button::Command1, Beam("0.21", "2"), {}, {{Field::BeamwidthText, "6.3 degrees"}}},
        CalcCase{"worked_0_21_over_25", Button::Command1, Beam("0.21", "25"), {}, {{Field::BeamwidthText, "0.504 degrees"}}},
        CalcCase{"negative_wavelength", Button::Command1, Beam("-0.21", "2"), {}, {{Field::BeamwidthText, "-6.3 degrees"}}},
        CalcCase{"negative_diameter", Button::Command1, Beam("0.21", "-2"), {}, {{Field::BeamwidthText, "-6.3 degrees"}}},
        CalcCase{"blanks_around", Button::Command1, Beam("  0.21 ", " 2  "), {}, {{Field::BeamwidthText, "6.3 degrees"}}},
        CalcCase{"whole_result", Button::Command1, Beam("1", "60"), {}, {{Field::BeamwidthText, "1 degrees"}}},
        CalcCase{"underflow_is_zero", Button::Command1, Beam("1e-40", "1e10"), {}, {{Field::BeamwidthText, "0 degrees"}}},
        CalcCase{"subnormal_result", Button::Command1, Beam("1e-44", "6"), {}, {{Field::BeamwidthText, "9.809089E-44 degrees"}}},
        CalcCase{"both_prompts", Button::Command1, {}, kConv, {}},
        CalcCase{"diameter_prompt", Button::Command1, Beam("0.21", "Diameter of dish (m)"), kConv, {}},
        CalcCase{"empty_diameter", Button::Command1, Beam("0.21", ""), kConv, {}},
        CalcCase{"zero_diameter", Button::Command1, Beam("0.21", "0"), kDiv0, {}},
        CalcCase{"zero_over_zero", Button::Command1, Beam("0", "0"), kOver, {}},
        CalcCase{"negative_zero_over_zero", Button::Command1, Beam("-0", "0"), kOver, {}},
        CalcCase{"result_beyond_single", Button::Command1, Beam("3e38", "1"), kOver, {}},
        CalcCase{"result_beyond_single_negative", Button::Command1, Beam("3e38", "-0.5"), kOver, {}},
        CalcCase{"wavelength_beyond_single", Button::Command1, Beam("1e39", "2"), kOver, {}}),
    [](const auto& info) { return std::string(info.param.name); });

Inputs Lower(const char* tsys, const char* b, const char* tau, const char* etaS, const char* d, const char* etaA) {
    return {{Field::SysTempText, tsys},       {Field::BandwidthText, b}, {Field::TimeConstText, tau},
            {Field::SysEfficiencyText, etaS}, {Field::DiameterText, d},  {Field::AEfficiencyText, etaA}};
}

Changes Both(const char* dt, const char* flux) { return {{Field::DTText, dt}, {Field::LowerLimitText, flux}}; }
Changes OnlyDT(const char* dt) { return {{Field::DTText, dt}}; }

INSTANTIATE_TEST_SUITE_P(
    LowerLimit, CalculationTest,
    ::testing::Values(
        CalcCase{"worked_fractional_flux", Button::Command2, Lower("100", "4000", "1", "10", "10", "50"), {},
                 Both("0.0005 kelvin", "1.782535 Janskies")},
        CalcCase{"worked_whole_flux", Button::Command2, Lower("100", "1", "1", "10", "2", "50"), {},
                 Both("0.03162277 kelvin", "2818 Janskies")},
        CalcCase{"worked_flux_beyond_16_bits", Button::Command2, Lower("100", "0.001", "1", "10", "1", "50"), kOver,
                 OnlyDT("1 kelvin")},
        CalcCase{"zero_system_temperature", Button::Command2, Lower("0", "4000", "1", "10", "10", "50"), {},
                 Both("0 kelvin", "0 Janskies")},
        CalcCase{"negative_temperature_fraction", Button::Command2, Lower("-100", "4000", "1", "10", "10", "50"), {},
                 Both("-0.0005 kelvin", "-1.782535 Janskies")},
        CalcCase{"negative_flux_below_16_bits", Button::Command2, Lower("-100", "0.001", "1", "10", "1", "50"), kOver,
                 OnlyDT("-1 kelvin")},
        CalcCase{"negative_diameter_squares_away", Button::Command2, Lower("100", "4000", "1", "10", "-10", "50"), {},
                 Both("0.0005 kelvin", "1.782535 Janskies")},
        CalcCase{"negative_antenna_efficiency", Button::Command2, Lower("100", "4000", "1", "10", "10", "-50"), {},
                 Both("0.0005 kelvin", "-1.782535 Janskies")},
        // The display choice: X just below 2.5 stays a fraction, just above it is whole.
        CalcCase{"flux_just_below_2_5", Button::Command2, Lower("100", "4000", "1", "7.2", "10", "50"), {},
                 Both("0.0005 kelvin", "2.475744 Janskies")},
        CalcCase{"flux_just_above_2_5", Button::Command2, Lower("100", "4000", "1", "7.1", "10", "50"), {},
                 Both("0.0005 kelvin", "3 Janskies")},
        CalcCase{"area_beyond_single", Button::Command2, Lower("100", "4000", "1", "10", "1e19", "50"), kOver, {}},
        CalcCase{"negative_radiometer_product", Button::Command2, Lower("100", "-4000", "1", "10", "10", "50"), kInvalid,
                 {}},
        CalcCase{"negative_time_constant", Button::Command2, Lower("100", "4000", "-1", "10", "10", "50"), kInvalid, {}},
        CalcCase{"zero_bandwidth", Button::Command2, Lower("100", "0", "1", "10", "10", "50"), kDiv0, {}},
        CalcCase{"zero_time_constant", Button::Command2, Lower("100", "4000", "0", "10", "10", "50"), kDiv0, {}},
        CalcCase{"zero_bandwidth_zero_temperature", Button::Command2, Lower("0", "0", "1", "10", "10", "50"), kOver, {}},
        CalcCase{"temperature_beyond_single", Button::Command2, Lower("3e38", "1e-38", "1", "10", "10", "50"), kOver, {}},
        CalcCase{"zero_diameter", Button::Command2, Lower("100", "4000", "1", "10", "0", "50"), kDiv0,
                 OnlyDT("0.0005 kelvin")},
        CalcCase{"zero_antenna_efficiency", Button::Command2, Lower("100", "4000", "1", "10", "10", "0"), kDiv0,
                 OnlyDT("0.0005 kelvin")},
        CalcCase{"zero_area_zero_temperature", Button::Command2, Lower("0", "4000", "1", "10", "0", "50"), kOver,
                 OnlyDT("0 kelvin")},
        CalcCase{"zero_system_efficiency", Button::Command2, Lower("100", "4000", "1", "0", "10", "50"), kDiv0,
                 OnlyDT("0.0005 kelvin")},
        CalcCase{"zero_system_efficiency_zero_flux", Button::Command2, Lower("0", "4000", "1", "0", "10", "50"), kOver,
                 OnlyDT("0 kelvin")},
        CalcCase{"s1_beyond_single", Button::Command2, Lower("1e30", "1e-7", "1", "10", "1e-17", "1"), kOver,
                 OnlyDT("1E+30 kelvin")},
        CalcCase{"s2_beyond_single", Button::Command2, Lower("1e30", "1e-7", "1", "1e-5", "1e-15", "1"), kOver,
                 OnlyDT("1E+30 kelvin")},
        CalcCase{"flux_beyond_16_bits_via_efficiency", Button::Command2, Lower("100", "4000", "1", "1e-30", "10", "50"),
                 kOver, OnlyDT("0.0005 kelvin")},
        // A flux too small for single is zero, not an error.
        CalcCase{"flux_underflows_to_zero", Button::Command2, Lower("1e-30", "4000", "1", "10", "1e15", "50"), {},
                 Both("5E-36 kelvin", "0 Janskies")}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Convert, CalculationTest,
    ::testing::Values(
        CalcCase{"hydrogen_line", Button::Command3, {{Field::FreqText, "1420"}}, {}, {{Field::WavelengthText, "0.2112676"}}},
        CalcCase{"exactly_one_metre", Button::Command3, {{Field::FreqText, "300"}}, {}, {{Field::WavelengthText, "1"}}},
        CalcCase{"negative_frequency", Button::Command3, {{Field::FreqText, "-300"}}, {}, {{Field::WavelengthText, "-1"}}},
        CalcCase{"replaces_any_text", Button::Command3, {{Field::FreqText, "3"}, {Field::WavelengthText, "5 m"}}, {},
                 {{Field::WavelengthText, "100"}}},
        CalcCase{"prompt", Button::Command3, {}, kConv, {}},
        CalcCase{"zero", Button::Command3, {{Field::FreqText, "0"}}, kDiv0, {}},
        CalcCase{"negative_zero", Button::Command3, {{Field::FreqText, "-0"}}, kDiv0, {}},
        CalcCase{"underflowed_to_zero", Button::Command3, {{Field::FreqText, "1e-60"}}, kDiv0, {}},
        CalcCase{"wavelength_beyond_single", Button::Command3, {{Field::FreqText, "1e-45"}}, kOver, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The first field in reading order that holds no number is the one reported.
TEST(ReadingOrder, FirstUnreadableFieldIsReported) {
    const std::vector<std::pair<Button, std::vector<Field>>> orders = {
        {Button::Command1, {Field::WavelengthText, Field::DiameterText}},
        {Button::Command2,
         {Field::SysTempText, Field::BandwidthText, Field::TimeConstText, Field::SysEfficiencyText, Field::DiameterText,
          Field::AEfficiencyText}},
        {Button::Command3, {Field::FreqText}},
    };
    for (const auto& [button, order] : orders) {
        for (std::size_t bad = 0; bad < order.size(); ++bad) {
            Form1 form;  // every field still holds its prompt
            BindCalculations(form);
            for (std::size_t i = 0; i < bad; ++i) {
                form.SetText(order[i], "1");
            }
            try {
                form.Press(button);
                ADD_FAILURE() << Info(button).name << " did not fail";
            } catch (const CalcError& e) {
                EXPECT_EQ(e.Kind(), CalcErrorKind::Conversion);
                EXPECT_EQ(e.SourceField(), order[bad]) << Info(button).name << " field " << bad;
            }
        }
    }
}

TEST(ReadingOrder, OverflowingFieldIsNamedToo) {
    Form1 form;
    BindCalculations(form);
    test::Fill(form, {{Field::WavelengthText, "0.21"}, {Field::DiameterText, "-1e39"}});
    try {
        form.Press(Button::Command1);
        FAIL();
    } catch (const CalcError& e) {
        EXPECT_EQ(e.Kind(), CalcErrorKind::Overflow);
        EXPECT_EQ(e.SourceField(), Field::DiameterText);
        EXPECT_EQ(e.FieldTextSeen(), "-1e39");
    }
}

struct ChainCase {
    char sep;
    const char* wavelength;
    const char* beam;
};

// Convert writes a number that Beam Width reads back, in either locale.
TEST(ConvertThenBeamWidth, WrittenWavelengthReadsBack) {
    for (const ChainCase& c : {ChainCase{'.', "0.2112676", "6.338028 degrees"},
                               ChainCase{',', "0,2112676", "6,338028 degrees"}}) {
        Form1 form(c.sep);
        BindCalculations(form);
        test::Fill(form, {{Field::FreqText, "1420"}});
        form.Press(Button::Command3);
        EXPECT_EQ(form.Text(Field::WavelengthText), c.wavelength);
        form.SetText(Field::DiameterText, "2");
        form.Press(Button::Command1);
        EXPECT_EQ(form.Text(Field::BeamwidthText), c.beam);
    }
}

TEST(LowerLimitScaling, EfficienciesScaleTheFluxAndLeaveTheTemperature) {
    auto run = [](const char* etaS, const char* etaA) {
        Form1 form;
        BindCalculations(form);
        test::Fill(form, {{Field::SysTempText, "100"}, {Field::BandwidthText, "4000"}, {Field::TimeConstText, "1"},
                          {Field::SysEfficiencyText, etaS}, {Field::DiameterText, "10"}, {Field::AEfficiencyText, etaA}});
        form.Press(Button::Command2);
        return std::pair{form.Text(Field::DTText), form.Text(Field::LowerLimitText)};
    };
    const auto base = run("5", "50");  // 3.565071 Jy
    EXPECT_EQ(base, (std::pair<std::string, std::string>{"0.0005 kelvin", "4 Janskies"}));
    EXPECT_EQ(run("10", "50"), (std::pair<std::string, std::string>{"0.0005 kelvin", "1.782535 Janskies"}));
    EXPECT_EQ(run("5", "100"), (std::pair<std::string, std::string>{"0.0005 kelvin", "1.782535 Janskies"}));
}

}  // namespace
}  // namespace ardelin
