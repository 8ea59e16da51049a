// SPDX-License-Identifier: GPL-3.0-or-later
// The report a failed press brings up, word for word, and the field it sends
// the user to; in both decimal separators.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/calc_error.hpp"
#include "calc/handlers.hpp"
#include "report_cases.hpp"
#include "model/form1.hpp"
#include "window/view/controls.hpp"
#include "window/view/press.hpp"
#include "window/view/report.hpp"

namespace ardelin::view {
namespace {

using test::ReportCase;

class ReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportTest, WordsAndFocus) {
    const ReportCase& c = GetParam();
    Form1 form(c.separator);
    BindCalculations(form);
    for (const std::string& pair : c.inputs) {
        const auto eq = pair.find('=');
        form.SetText(*FieldByName(pair.substr(0, eq)), pair.substr(eq + 1));
    }
    try {
        form.Press(c.button);
        FAIL() << "no failure";
    } catch (const CalcError& e) {
        const Report report = ReportOn(e, form);
        EXPECT_EQ(report.text, c.text);
        EXPECT_EQ(ReportText(e, form), c.text);
        EXPECT_EQ(report.focus, c.focus.empty() ? std::nullopt : FieldByName(c.focus));
    }
    if (!c.dtAfter.empty()) {
        EXPECT_EQ(form.Text(Field::DTText), c.dtAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, ReportTest, ::testing::ValuesIn(test::ReportCases()), [](const auto& info) {
    std::string name;
    for (const char ch : info.param.name) name += std::isalnum(static_cast<unsigned char>(ch)) != 0 ? ch : '_';
    return name;
});

// What every front end shows after a press: nothing, a calculation's report,
// or for any other exception a report of its own that names no field.
TEST(Press, ReportsOnlyWhatFailed) {
    Form1 form;
    BindCalculations(form);
    form.SetText(Field::FreqText, "1420");
    EXPECT_FALSE(Press(form, Button::Command3).has_value());
    EXPECT_EQ(form.Text(Field::WavelengthText), "0.2112676");

    const std::optional<Report> failed = Press(form, Button::Command2);
    ASSERT_TRUE(failed.has_value());
    EXPECT_FALSE(failed->unexpected);
    EXPECT_EQ(failed->focus, Field::SysTempText);

    form.Bind(Button::Command1, [](Form1&) { throw std::length_error("out of room"); });
    const std::optional<Report> broke = Press(form, Button::Command1);
    ASSERT_TRUE(broke.has_value());
    EXPECT_EQ(broke->text, "The calculation stopped unexpectedly: out of room");
    EXPECT_TRUE(broke->unexpected);
    EXPECT_FALSE(broke->focus.has_value());
}

// A field holds its prompt only while its text is that prompt; a result
// field has none, so its empty text is no prompt.
TEST(Press, HoldsPromptOnlyWhileTheTextIsThePrompt) {
    const std::string diameterPrompt(Info(Field::DiameterText).initialText);
    ASSERT_FALSE(diameterPrompt.empty());
    ASSERT_TRUE(Info(Field::BeamwidthText).initialText.empty());
    struct Case {
        Field field;
        std::string text;
        bool holds;
    };
    const Case cases[] = {
        {Field::DiameterText, diameterPrompt, true},
        {Field::DiameterText, "2", false},
        {Field::BeamwidthText, "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HoldsPrompt(c.field, c.text), c.holds) << Name(ControlOf(c.field)) << " \"" << c.text << '"';
    }
}

}  // namespace
}  // namespace ardelin::view
