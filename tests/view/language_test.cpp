// SPDX-License-Identifier: GPL-3.0-or-later
// From the languages a person prefers, as the platforms list them, to the
// catalogue shown.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "window/view/language.hpp"

namespace ardelin::view {
namespace {

constexpr std::array<std::string_view, 10> kAvailable{"de", "es", "fr", "it", "nl", "pt_BR", "ru", "ja", "zh_CN", "he"};

struct Choice {
    const char* why;
    std::vector<std::string> preferred;
    std::string_view shown;
};

TEST(ChooseLanguage, FirstPreferredThatExists) {
    const Choice choices[] = {
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
        {"a preferred English beats a lower translation", {"en-GB", "fr"}, "en"},
        {"a language there is not, then one there is", {"sv-SE", "sv", "nl-BE"}, "nl"},
        {"nothing that exists", {"sv", "fi"}, "en"},
        {"no preference", {}, "en"},
        {"upper case and an empty tag", {"", "HE-IL"}, "he"},
    };
    for (const Choice& c : choices) {
        EXPECT_EQ(ChooseLanguage(c.preferred, kAvailable), c.shown) << c.why;
    }
}

}  // namespace
}  // namespace ardelin::view
