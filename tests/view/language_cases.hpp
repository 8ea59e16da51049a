// SPDX-License-Identifier: GPL-3.0-or-later
// What every front end shows in every language, one table for the
// description's tests, the Qt window's, the Win32 window's and the page's:
// the language chosen from a person's preferences, the worked examples'
// digits (the same in every language, with a decimal comma) and one failed
// press of each kind of error.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/form1.hpp"

namespace ardelin::test {

struct LanguageChoice {
    const char* why;
    std::vector<std::string> preferred;  // as the platform lists them, most preferred first
    std::string_view shown;
    // The catalogues to choose from, where not Ardelin's own: rules that its
    // catalogues cannot tell apart (two regions of one language, a
    // three-letter region, a region after a script).
    std::vector<std::string> available = {};
};

inline std::vector<LanguageChoice> LanguageChoices() {
    return {
        {"LANGUAGE=de:en", {"de", "en"}, "de"},
        {"a region of a language that has no regions", {"de-AT", "de"}, "de"},
        {"a POSIX locale with codeset and modifier", {"de_DE.UTF-8@euro"}, "de"},
        {"a regional catalogue, either spelling", {"pt-BR"}, "pt_BR"},
        {"European Portuguese reads the only Portuguese", {"pt_PT.UTF-8"}, "pt_BR"},
        {"Simplified Chinese", {"zh-CN"}, "zh_CN"},
        {"Chinese with no region is Simplified", {"zh"}, "zh_CN"},
        {"Simplified script, another region", {"zh-Hans-SG"}, "zh_CN"},
        {"Taiwan falls to English", {"zh_TW.UTF-8"}, "en"},
        {"Traditional script falls to English", {"zh-Hant-CN"}, "en"},
        {"Traditional, then a language there is", {"zh-TW", "ja"}, "ja"},
        {"the C locale", {"C"}, "en"},
        {"the POSIX locale is English, before a lower translation", {"POSIX", "de"}, "en"},
        {"a language's region first, where it has two", {"pt-PT"}, "pt_PT", {"pt_BR", "pt_PT"}},
        {"two regions and no plain catalogue: neither", {"pt", "de"}, "de", {"de", "pt_BR", "pt_PT"}},
        {"a three-letter region", {"es-419"}, "es_419", {"es", "es_419"}},
        {"a region after a script", {"zh-Hans-SG"}, "zh_SG", {"zh_CN", "zh_SG"}},
        {"a preferred English beats a lower translation", {"en-GB", "fr"}, "en"},
        {"a language there is not, then one there is", {"sv-SE", "sv", "nl-BE"}, "nl"},
        {"nothing that exists", {"sv", "fi"}, "en"},
        {"a tag never seen", {"x-klingon", "tlh-Latn"}, "en"},
        {"no preference", {}, "en"},
        {"upper case and an empty tag", {"", "HE-IL"}, "he"},
    };
}

// The worked examples typed in, pressed with each button's access key in
// tab order (Convert, Beam Width, Lower limit), and each result's digits.
inline constexpr std::array<std::string_view, 7> kWorkedInputs{
    "FreqText=1420", "DiameterText=2", "SysTempText=100", "BandwidthText=1", "TimeConstText=1",
    "AEfficiencyText=50", "SysEfficiencyText=10"};

struct WorkedResult {
    Field field;
    std::string_view digits;  // with a decimal comma
    std::string_view unit;    // the English unit the language's replaces; "" for none
};
inline constexpr std::array<WorkedResult, 4> kWorkedResults{{
    {Field::WavelengthText, "0,2112676", ""},
    {Field::BeamwidthText, "6,338028", " degrees"},
    {Field::LowerLimitText, "2818", " Janskies"},
    {Field::DTText, "0,03162277", " kelvin"},
}};

}  // namespace ardelin::test
