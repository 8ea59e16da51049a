// SPDX-License-Identifier: GPL-3.0-or-later
// The session driven as a person drives a window, with no display: the
// report table with its focus column, the worked examples and a report of
// each kind through each language's access keys, and the rules for the prompt, the caret and the
// focus that every front end follows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "headless.hpp"
#include "../view/language_cases.hpp"
#include "../view/report_cases.hpp"
#include "window/view/catalogue.hpp"

namespace ardelin::test {
namespace {

using view::FocusTo;
using view::IndexOf;

class SessionReports : public ::testing::TestWithParam<ReportCase> {};

// Each failed press through a click on its button: the report word for
// word, nothing spoken, and once closed the focus on the field to change,
// its text selected from the start, or back on the button.
TEST_P(SessionReports, ReportThenFocus) {
    const ReportCase& c = GetParam();
    Headless h(c.separator);
    h.Fill(c.inputs);
    h.Click(c.button);
    ASSERT_TRUE(h.OpenReport().has_value());
    EXPECT_EQ(h.OpenReport()->text, c.text);
    EXPECT_EQ(h.Focus(), std::nullopt);  // in the report
    h.Click(c.button);                  // a window under a modal report takes no press
    EXPECT_EQ(h.OpenReport()->text, c.text);
    if (!c.dtAfter.empty()) {
        EXPECT_EQ(h.Text(Field::DTText), c.dtAfter);
    }
    h.CloseReport();
    EXPECT_TRUE(h.Spoken().empty());
    if (c.focus.empty()) {
        EXPECT_EQ(h.Focus(), IndexOf(c.button));
    } else {
        const Field f = FieldByName(c.focus).value();
        EXPECT_EQ(h.Focus(), IndexOf(f));
        EXPECT_TRUE(h.WholeSelectedFromStart(f)) << h.Text(f);
    }
}
INSTANTIATE_TEST_SUITE_P(Table, SessionReports, ::testing::ValuesIn(ReportCases()),
                         [](const auto& info) {
                             std::string name;
                             for (const char ch : info.param.name) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

// In every language: the worked examples typed in and pressed with the
// access keys, each result in its field with the language's unit, spoken
// with the field's name, and the focus left where the typing ended.
TEST(SessionLanguages, WorkedExamplesThroughAccessKeys) {
    std::vector<std::string_view> codes{"en"};
    codes.insert(codes.end(), view::Languages().begin(), view::Languages().end());
    for (const std::string_view code : codes) {
        SCOPED_TRACE(code);
        const view::Language language(code);
        Headless h(',', language);
        h.Fill({kWorkedInputs.begin(), kWorkedInputs.end()});
        const auto typedLast = h.Focus();
        for (const Button b : {Button::Command3, Button::Command1, Button::Command2}) {
            const std::string key(view::SplitCaption(view::Caption(b, language)).key);
            ASSERT_FALSE(key.empty());
            ASSERT_TRUE(h.AccessKey(key));
            ASSERT_FALSE(h.OpenReport().has_value()) << h.OpenReport()->text;
        }
        EXPECT_EQ(h.Focus(), typedLast);
        ASSERT_EQ(h.Spoken().size(), kWorkedResults.size());
        for (const WorkedResult& r : kWorkedResults) {
            const std::string text = std::string(r.digits) + std::string(r.unit.empty() ? "" : language.Tr(r.unit));
            EXPECT_EQ(h.Text(r.field), text);
            EXPECT_EQ(h.SelectionOf(r.field).caret, 0U);
            // Said once, the field's name first, then its text.
            const std::string name(view::AccessibleName(view::ControlOf(r.field), language));
            const auto said = std::count_if(h.Spoken().begin(), h.Spoken().end(), [&](const std::string& s) {
                return s.rfind(name, 0) == 0 && s.find(text, name.size()) != std::string::npos;
            });
            EXPECT_EQ(said, 1) << name;
        }
    }
}

// In every language, one failure of each kind pressed through the access
// key: a report in that language from its first word, and once closed the
// focus where the English table sends it.
TEST(SessionLanguages, OneReportOfEachKind) {
    for (const std::string_view code : view::Languages()) {
        const view::Language language(code);
        for (const ReportCase& c : OneReportOfEachKind()) {
            SCOPED_TRACE(std::string(code) + ": " + c.name);
            Headless h(c.separator, language);
            h.Fill(c.inputs);
            h.Click(Field::TimeConstText);
            ASSERT_TRUE(h.AccessKey(std::string(view::SplitCaption(view::Caption(c.button, language)).key)));
            ASSERT_TRUE(h.OpenReport().has_value());
            const std::string kind = c.text.substr(0, c.text.find(':'));
            const std::string& text = h.OpenReport()->text;
            EXPECT_EQ(text.rfind(language.Tr(kind), 0), 0U) << text;
            EXPECT_NE(text, c.text);
            h.CloseReport();
            EXPECT_EQ(h.Focus(), c.focus.empty() ? IndexOf(Field::TimeConstText) : IndexOf(FieldByName(c.focus).value()));
        }
    }
    EXPECT_EQ(view::LanguageInUse(), "en");  // sessions in other languages leave the program's as it was
}

// What the focus, the caret and the selection do, by the events that reach
// the session. The rows the three windows once disagreed on are marked.
struct FocusCase {
    const char* name;
    std::function<void(Headless&)> steps;
    Field field;
    Headless::Selection selection;  // of `field` afterwards; {n, 0} with n the text's length: all from the start
    std::optional<Field> focus;     // where the focus is afterwards
};

std::vector<FocusCase> FocusCases() {
    constexpr std::size_t longText = 60;
    const auto typeLong = [](Headless& h) {
        h.Click(Field::FreqText);
        h.Type(std::string(longText, '9'));
    };
    const std::size_t diameterPrompt = view::Prompt(Field::DiameterText).size();
    const std::size_t wavelengthPrompt = view::Prompt(Field::WavelengthText).size();
    return {
        {"the first field's prompt selected at start", [](Headless&) {}, Field::DiameterText, {diameterPrompt, 0},
         Field::DiameterText},
        {"typing replaces the prompt", [](Headless& h) { h.Type("2"); }, Field::DiameterText, {1, 1},
         Field::DiameterText},
        {"Tab selects a prompt", [](Headless& h) { h.Tab(); }, Field::WavelengthText, {wavelengthPrompt, 0},
         Field::WavelengthText},
        {"Tab selects a long text from its start",
         [&](Headless& h) {
             typeLong(h);
             h.Tab(true);
             h.Tab();
         },
         Field::FreqText, {longText, 0}, Field::FreqText},
        {"leaving for another field shows the start", [&](Headless& h) {
             typeLong(h);
             h.Tab();
         },
         Field::FreqText, {0, 0}, std::nullopt},
        {"a click into a prompt selects it", [](Headless& h) { h.Click(Field::WavelengthText); },
         Field::WavelengthText, {wavelengthPrompt, 0}, Field::WavelengthText},
        {"a click into a number places the caret",
         [](Headless& h) {
             h.Type("25");
             h.Tab();
             h.Click(Field::DiameterText);
         },
         Field::DiameterText, {2, 2}, Field::DiameterText},
        {"a second click into a focused prompt places the caret",
         [](Headless& h) {
             h.Click(Field::WavelengthText);
             h.Click(Field::WavelengthText);
         },
         Field::WavelengthText, {wavelengthPrompt, wavelengthPrompt}, Field::WavelengthText},
        {"a context menu leaves the field as it is",
         [&](Headless& h) {
             typeLong(h);
             h.Away(FocusTo::Popup);
         },
         Field::FreqText, {longText, longText}, Field::FreqText},
        {"another window leaves the field as it is",
         [&](Headless& h) {
             typeLong(h);
             h.Away(FocusTo::OtherWindow);
         },
         Field::FreqText, {longText, longText}, Field::FreqText},
        // The page once put the caret at the start as its report opened.
        {"the report leaves the field where it was as it was",
         [](Headless& h) {
             h.Fill({"WavelengthText=3e38", "DiameterText=1"});
             h.AccessKey(std::string(view::SplitCaption(view::Caption(Button::Command1)).key));
             h.CloseReport();
         },
         Field::DiameterText, {1, 1}, Field::DiameterText},
        {"a result shows from its start, the focus staying on the button",
         [](Headless& h) {
             h.Fill({"WavelengthText=0.21", "DiameterText=2"});
             h.Click(Button::Command1);
         },
         Field::BeamwidthText, {0, 0}, std::nullopt},
    };
}

TEST(SessionFocus, Rules) {
    for (const FocusCase& c : FocusCases()) {
        SCOPED_TRACE(c.name);
        Headless h;
        c.steps(h);
        EXPECT_EQ(h.SelectionOf(c.field).anchor, c.selection.anchor);
        EXPECT_EQ(h.SelectionOf(c.field).caret, c.selection.caret);
        if (c.focus) {
            EXPECT_EQ(h.Focus(), IndexOf(*c.focus));
        } else {
            EXPECT_NE(h.Focus(), IndexOf(c.field));
        }
    }
}

// A text written into the form by anything but a person's edit or a press
// reaches the display, and a person's edit never echoes back.
TEST(SessionDisplay, WritesOutsideAPressShowOnce) {
    view::Session session('.');
    std::vector<std::string> shown;
    session.SetDisplay([&](const view::Effects& effects) {
        for (const view::Effect& e : effects) shown.push_back(std::get<view::ShowText>(e).text);
    });
    session.TextEdited(Field::FreqText, "1420");
    session.Form().SetText(Field::FreqText, "7");
    const view::Effects pressed = session.Press(Button::Command3);
    EXPECT_EQ(shown, std::vector<std::string>{"7"});
    ASSERT_EQ(pressed.size(), 2U);  // the wavelength shown, then spoken
    EXPECT_EQ(std::get<view::ShowText>(pressed[0]).field, Field::WavelengthText);
    EXPECT_EQ(std::get<view::Speak>(pressed[1]).text, "Wavelength (m): " + session.Form().Text(Field::WavelengthText));
}

}  // namespace
}  // namespace ardelin::test
