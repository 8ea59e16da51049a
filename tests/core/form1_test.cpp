// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "calc/calc_error.hpp"
#include "test_form.hpp"
#include "model/form1.hpp"

namespace ardelin {
namespace {

struct InitialCase {
    Field field;
    const char* name;
    const char* text;
};

TEST(Form1, FieldsStartWithTheirPromptsAndResultsEmpty) {
    const InitialCase table[] = {
        {Field::DiameterText, "DiameterText", "Diameter of dish (m)"},
        {Field::WavelengthText, "WavelengthText", "Wavelength (m)"},
        {Field::SysTempText, "SysTempText", "System Temp(kelvin)"},
        {Field::BandwidthText, "BandwidthText", "Bandwidth (MHz)"},
        {Field::TimeConstText, "TimeConstText", "Time Constant (sec)"},
        {Field::AEfficiencyText, "AEfficiencyText", "Antenna Efficiency%"},
        {Field::SysEfficiencyText, "SysEfficiencyText", "System Efficiency %"},
        {Field::BeamwidthText, "BeamwidthText", ""},
        {Field::DTText, "DTText", ""},
        {Field::LowerLimitText, "LowerLimitText", ""},
        {Field::FreqText, "FreqText", "Frequency to convert (MHz)"},
    };
    static_assert(std::size(table) == kFieldCount);
    const Form1 form;
    for (const auto& row : table) {
        EXPECT_EQ(form.Text(row.field), row.text) << row.name;
        EXPECT_EQ(Info(row.field).name, row.name);
        EXPECT_EQ(FieldByName(row.name), row.field);
    }
    EXPECT_EQ(FieldByName("NoSuchText"), std::nullopt);
}

// Right after start-up every button fails on its first read, a prompt.
TEST(Form1, EveryButtonFailsOnThePromptsOfAFreshForm) {
    for (const Button b : kAllButtons) {
        Form1 form;
        BindCalculations(form);
        const auto before = test::Snapshot(form);
        try {
            form.Press(b);
            FAIL() << Info(b).name << " did not fail";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Kind(), CalcErrorKind::Conversion);
            ASSERT_TRUE(e.SourceField().has_value());
            const Field first = b == Button::Command1   ? Field::WavelengthText
                                : b == Button::Command2 ? Field::SysTempText
                                                        : Field::FreqText;
            EXPECT_EQ(*e.SourceField(), first);
            EXPECT_EQ(e.FieldTextSeen(), Info(first).initialText);
        }
        EXPECT_EQ(test::Snapshot(form), before);
    }
}

TEST(Form1, PressRunsTheBoundHandlerAndPassesItsErrorOn) {
    Form1 form;
    std::vector<std::string> calls;
    form.Bind(Button::Command2, [&](Form1& f) {
        calls.emplace_back("ran");
        f.SetText(Field::DTText, "x");
    });
    form.Press(Button::Command2);
    EXPECT_EQ(calls.size(), 1U);
    EXPECT_EQ(form.Text(Field::DTText), "x");

    form.Bind(Button::Command2, [](Form1&) { throw CalcError(CalcErrorKind::InvalidArgument, CalcStep::SquareRoot); });
    EXPECT_EQ(test::PressCatching(form, Button::Command2), CalcErrorKind::InvalidArgument);
}

TEST(Form1, ObserverSeesEveryWrite) {
    Form1 form;
    BindCalculations(form);
    std::vector<Field> seen;
    form.SetTextObserver([&](Field f) { seen.push_back(f); });
    test::Fill(form, {{Field::FreqText, "300"}});
    form.Press(Button::Command3);
    EXPECT_EQ(seen, (std::vector<Field>{Field::FreqText, Field::WavelengthText}));
}

TEST(Form1, AcceptsOnlyDotOrCommaAsSeparator) {
    EXPECT_EQ(Form1('.').DecimalSeparator(), '.');
    EXPECT_EQ(Form1(',').DecimalSeparator(), ',');
    EXPECT_THROW(Form1('e'), std::invalid_argument);
    EXPECT_THROW(Form1('1'), std::invalid_argument);
}

TEST(Form1, ATypedResultFieldIsSimplyReplaced) {
    Form1 form;
    BindCalculations(form);
    test::Fill(form, {{Field::WavelengthText, "0.21"}, {Field::DiameterText, "2"},
                      {Field::BeamwidthText, "my own notes"}});
    form.Press(Button::Command1);
    EXPECT_EQ(form.Text(Field::BeamwidthText), "6.3 degrees");
}

}  // namespace
}  // namespace ardelin
