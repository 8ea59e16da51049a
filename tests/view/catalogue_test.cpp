// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled-in catalogues: reports of three sentence shapes and the help in German,
// word for word, its own sentence shapes, quotation marks and the fields'
// labels; English wherever a catalogue has no text, and for a language there
// is none of.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/calc_error.hpp"
#include "calc/handlers.hpp"
#include "model/form1.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/info.hpp"
#include "window/view/press.hpp"

namespace ardelin::view {
namespace {

// The language for one test, English again after it.
struct InLanguage {
    explicit InLanguage(std::string_view code) { UseLanguage(code); }
    ~InLanguage() { UseLanguage("en"); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

std::string ReportAfter(const std::vector<std::pair<Field, std::string>>& inputs, Button button) {
    Form1 form(',');
    BindCalculations(form);
    for (const auto& [field, text] : inputs) {
        form.SetText(field, text);
    }
    const std::optional<Report> report = Press(form, button);
    return report ? report->text : "no report";
}

TEST(Catalogue, GermanReportSentences) {
    const InLanguage german("de");
    ASSERT_EQ(LanguageInUse(), "de");
    const std::vector<std::pair<Field, std::string>> lower = {
        {Field::SysTempText, "100"}, {Field::TimeConstText, "1"}, {Field::SysEfficiencyText, "10"},
        {Field::DiameterText, "2"}, {Field::AEfficiencyText, "50"}};
    auto with = [&](Field field, const char* text) {
        auto all = lower;
        all.emplace_back(field, text);
        return all;
    };
    struct Case {
        std::vector<std::pair<Field, std::string>> inputs;
        Button button;
        std::string text;
    };
    const Case cases[] = {
        {{{Field::FreqText, "1.42e3"}}, Button::Command3,
         "Umwandlungsfehler: Die Eingabe \u201E1.42e3\u201C im Feld \u201EUmzurechnende Frequenz (MHz)\u201C ist hier "
         "keine Zahl, denn in dieser Spracheinstellung ist das Dezimaltrennzeichen das Komma. Als Dezimalzahl schreibt "
         "man hier \u201E1,42e3\u201C. Tausendertrennzeichen werden nicht akzeptiert."},
        {{{Field::WavelengthText, "0,21"}, {Field::DiameterText, "0"}}, Button::Command1,
         "Division durch null: Die Strahlbreite berechnet sich als 60 \u00D7 Wellenl\u00E4nge / Spiegeldurchmesser, "
         "doch der Spiegeldurchmesser ist null. Bitte geben Sie in das Feld f\u00FCr den Spiegeldurchmesser eine von "
         "null verschiedene Zahl ein."},
        {with(Field::BandwidthText, "-1"), Button::Command2,
         "Ung\u00FCltiges Argument: Das Produkt aus Bandbreite und Zeit, berechnet als Bandbreite \u00D7 1E+07 \u00D7 "
         "Zeitkonstante, ist negativ, weil die Bandbreite negativ ist, und aus einer negativen Zahl l\u00E4sst sich "
         "keine Quadratwurzel ziehen. Bitte geben Sie in das Feld f\u00FCr die Bandbreite eine Zahl gr\u00F6\u00DFer "
         "als null ein."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportAfter(c.inputs, c.button), c.text);
    }
    const std::optional<InfoAnswer> help = AnswerInfoOptions({"ardelin", "--help"}, "", false);
    ASSERT_TRUE(help);
    EXPECT_EQ(help->text.substr(0, help->text.find('\n')), "Aufruf: ardelin [Optionen]");
}

TEST(Catalogue, EnglishWhereThereIsNoText) {
    EXPECT_NE(std::find(Languages().begin(), Languages().end(), "de"), Languages().end());
    {
        const InLanguage german("de");
        EXPECT_EQ(Tr("a text no catalogue has"), "a text no catalogue has");
    }
    const InLanguage none("tlh");
    EXPECT_EQ(LanguageInUse(), "en");
    EXPECT_EQ(Tr("Overflow"), "Overflow");
}

}  // namespace
}  // namespace ardelin::view

namespace ardelin::view {
namespace {

// The page's way: a catalogue given at run time, as fetched, with an entry
// left empty (English shows) and the language's direction. A language is a
// value, and a text it handed out stays whole after the next choice (the
// sanitizer's build sees a text that does not).
TEST(Catalogue, GivenAtRunTime) {
    const Language he = Language::Given("he", {{"Overflow", "\u05D2\u05DC\u05D9\u05E9\u05D4"},
                                               {"default:LTR", "default:RTL"}, {"Convert", ""}});
    const std::string_view overflow = he.Tr("Overflow");
    EXPECT_EQ(he.Code(), "he");
    EXPECT_EQ(he.Tr("Convert"), "Convert");
    EXPECT_TRUE(he.RightToLeft());
    UseLanguage(he);
    EXPECT_EQ(LanguageInUse(), "he");
    UseLanguage(Language::Given("he", {{"Overflow", "?"}}));  // fetched again
    UseLanguage("de");
    EXPECT_EQ(overflow, "\u05D2\u05DC\u05D9\u05E9\u05D4");
    EXPECT_EQ(Tr("Overflow"), "\u00DCberlauf");
    const Language de("de");
    EXPECT_FALSE(de.RightToLeft());
    EXPECT_EQ(de.Name(), "Deutsch");
    EXPECT_EQ(Language().Name(), "English");
    EXPECT_EQ(Language("tlh").Code(), "en");
    UseLanguage("en");
}

}  // namespace
// What a catalogue may say of its thousands separator, and what a report
// then sets between groups: never the decimal separator, never a digit.
TEST(Catalogue, DigitGroupAsTheCatalogueSays) {
    struct Case {
        const char* said;  // nullptr: the catalogue has no entry
        char decimal;
        const char* group;
    };
    const Case cases[] = {
        {nullptr, '.', "\u202F"},
        {"default:group=U+00A0", ',', "\u00A0"},
        {"default:group=.", ',', "."},
        {"default:group=.", '.', "\u202F"},  // 45.095 would read as a decimal
        {"default:group=none", ',', ""},
        {"default:group=U+0031", '.', "\u202F"},  // none the program knows
    };
    int n = 0;
    for (const Case& c : cases) {
        std::vector<std::pair<std::string, std::string>> entries;
        if (c.said != nullptr) {
            entries.emplace_back("default:group=U+202F", c.said);
        }
        const Language language = Language::Given("x" + std::to_string(n++), entries);
        EXPECT_EQ(language.DigitGroup(c.decimal), c.group) << (c.said != nullptr ? c.said : "(none)") << c.decimal;
    }
}

}  // namespace ardelin::view
