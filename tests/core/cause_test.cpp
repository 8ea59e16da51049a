// SPDX-License-Identifier: GPL-3.0-or-later
// Which step a failed press names, and which input it points the user to.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/calc_error.hpp"
#include "calc/handlers.hpp"
#include "calc/cause.hpp"
#include "model/form1.hpp"

namespace ardelin {
namespace {

struct CauseCase {
    const char* name;
    Button button;
    std::vector<std::pair<Field, const char*>> inputs;
    CalcStep step;
    std::optional<Field> input;
    char separator = '.';
};

void PrintTo(const CauseCase& c, std::ostream* os) { *os << c.name; }

class CauseTest : public ::testing::TestWithParam<CauseCase> {};

TEST_P(CauseTest, StepAndInputToChange) {
    const CauseCase& c = GetParam();
    Form1 form(c.separator);
    BindCalculations(form);
    for (const auto& [field, text] : c.inputs) {
        form.SetText(field, text);
    }
    try {
        form.Press(c.button);
        FAIL() << "no failure";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.Step(), c.step);
        EXPECT_EQ(InputToChange(e, form), c.input);
    }
}

using F = Field;
std::vector<std::pair<Field, const char*>> Lower(const char* tsys, const char* b, const char* tau, const char* etaS,
                                                 const char* d, const char* etaA) {
    return {{F::SysTempText, tsys},       {F::BandwidthText, b}, {F::TimeConstText, tau},
            {F::SysEfficiencyText, etaS}, {F::DiameterText, d},  {F::AEfficiencyText, etaA}};
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CauseTest,
    ::testing::Values(
        CauseCase{"prompt", Button::Command1, {}, CalcStep::ReadField, F::WavelengthText},
        CauseCase{"zero_diameter", Button::Command1, {{F::WavelengthText, "0.21"}, {F::DiameterText, "0"}},
                  CalcStep::BeamWidth, F::DiameterText},
        CauseCase{"zero_over_zero", Button::Command1, {{F::WavelengthText, "0"}, {F::DiameterText, "-0"}},
                  CalcStep::BeamWidth, F::DiameterText},
        CauseCase{"beam_beyond_single", Button::Command1, {{F::WavelengthText, "3e38"}, {F::DiameterText, "1"}},
                  CalcStep::BeamWidth, std::nullopt},
        CauseCase{"area_beyond_single", Button::Command2, Lower("100", "1", "1", "10", "1e19", "50"),
                  CalcStep::AntennaArea, std::nullopt},
        CauseCase{"negative_bandwidth", Button::Command2, Lower("100", "-1", "1", "10", "2", "50"),
                  CalcStep::SquareRoot, F::BandwidthText},
        CauseCase{"negative_time_constant", Button::Command2, Lower("100", "1", "-1", "10", "2", "50"),
                  CalcStep::SquareRoot, F::TimeConstText},
        CauseCase{"zero_bandwidth", Button::Command2, Lower("100", "0", "1", "10", "2", "50"),
                  CalcStep::TemperatureFluctuation, F::BandwidthText},
        CauseCase{"zero_time_constant_over_zero", Button::Command2, Lower("0", "1", "0", "10", "2", "50"),
                  CalcStep::TemperatureFluctuation, F::TimeConstText},
        CauseCase{"both_zero_names_the_bandwidth", Button::Command2, Lower("100", "0", "0", "10", "2", "50"),
                  CalcStep::TemperatureFluctuation, F::BandwidthText},
        CauseCase{"bandwidth_read_as_zero", Button::Command2, Lower("100", "1e-60", "1", "10", "2", "50"),
                  CalcStep::TemperatureFluctuation, F::BandwidthText},
        CauseCase{"temperature_beyond_single", Button::Command2, Lower("3e38", "1e-38", "1", "10", "2", "50"),
                  CalcStep::TemperatureFluctuation, std::nullopt},
        CauseCase{"zero_diameter_flux", Button::Command2, Lower("100", "1", "1", "10", "0", "50"),
                  CalcStep::FluxOverArea, F::DiameterText},
        CauseCase{"zero_diameter_and_zero_antenna_efficiency", Button::Command2, Lower("100", "1", "1", "10", "0", "0"),
                  CalcStep::FluxOverArea, F::DiameterText},
        // Inputs are read with the form's separator, as the calculation read them.
        CauseCase{"zero_diameter_comma", Button::Command1, {{F::WavelengthText, "0,21"}, {F::DiameterText, "0,0"}},
                  CalcStep::BeamWidth, F::DiameterText, ','},
        CauseCase{"negative_bandwidth_comma", Button::Command2, Lower("100", "-0,5", "1", "10", "2", "50"),
                  CalcStep::SquareRoot, F::BandwidthText, ','},
        CauseCase{"negative_time_constant_comma", Button::Command2, Lower("100", "0,5", "-1,5", "10", "2", "50"),
                  CalcStep::SquareRoot, F::TimeConstText, ','},
        CauseCase{"zero_antenna_efficiency", Button::Command2, Lower("100", "1", "1", "10", "2", "0"),
                  CalcStep::FluxOverArea, F::AEfficiencyText},
        CauseCase{"area_too_small_to_hold", Button::Command2, Lower("100", "1", "1", "10", "1e-25", "50"),
                  CalcStep::FluxOverArea, std::nullopt},
        CauseCase{"zero_system_efficiency", Button::Command2, Lower("100", "1", "1", "0", "2", "50"),
                  CalcStep::FluxOverEfficiency, F::SysEfficiencyText},
        CauseCase{"flux_beyond_whole_number", Button::Command2, Lower("100", "1", "1", "10", "0.5", "50"),
                  CalcStep::WholeNumber, F::DiameterText},
        CauseCase{"zero_frequency", Button::Command3, {{F::FreqText, "0"}}, CalcStep::Wavelength, F::FreqText},
        CauseCase{"wavelength_beyond_single", Button::Command3, {{F::FreqText, "1e-45"}}, CalcStep::Wavelength,
                  std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// The whole-number limit keeps the flux it could not show.
TEST(Cause, WholeNumberOverflowCarriesTheFlux) {
    Form1 form;
    BindCalculations(form);
    for (const auto& [field, text] : Lower("100", "1", "1", "10", "0.5", "50")) {
        form.SetText(field, text);
    }
    try {
        form.Press(Button::Command2);
        FAIL() << "no failure";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.Kind(), CalcErrorKind::Overflow);
        ASSERT_TRUE(e.Value().has_value());
        EXPECT_NEAR(*e.Value(), 45094.96, 0.01);  // 16 x 2818.435
    }
    EXPECT_EQ(form.Text(Field::DTText), "0.03162277 kelvin");
}

// 0 / 0 is an overflow that was no number at all; a result beyond single is not.
TEST(Cause, ZeroOverZeroIsToldApartFromAResultBeyondSingle) {
    struct Case {
        const char* wavelength;
        const char* diameter;
        CalcErrorKind kind;
        bool noNumber;
    };
    const Case cases[] = {
        {"0", "0", CalcErrorKind::Overflow, true},
        {"-0", "0", CalcErrorKind::Overflow, true},
        {"3e38", "1", CalcErrorKind::Overflow, false},
        {"0.21", "0", CalcErrorKind::DivisionByZero, false},
    };
    for (const Case& c : cases) {
        Form1 form;
        BindCalculations(form);
        form.SetText(Field::WavelengthText, c.wavelength);
        form.SetText(Field::DiameterText, c.diameter);
        try {
            form.Press(Button::Command1);
            ADD_FAILURE() << c.wavelength << " / " << c.diameter << ": no failure";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Kind(), c.kind) << c.wavelength << " / " << c.diameter;
            EXPECT_EQ(e.NoNumber(), c.noNumber) << c.wavelength << " / " << c.diameter;
        }
    }
}

}  // namespace
}  // namespace ardelin
