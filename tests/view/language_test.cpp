// SPDX-License-Identifier: GPL-3.0-or-later
// From the languages a person prefers, as the platforms list them, to the
// catalogue shown (the table the page's test shares).
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "../view/language_cases.hpp"
#include "window/view/language.hpp"

namespace ardelin::view {
namespace {

constexpr std::array<std::string_view, 10> kAvailable{"de", "es", "fr", "it", "nl", "pt_BR", "ru", "ja", "zh_CN", "he"};

TEST(ChooseLanguage, FirstPreferredThatExists) {
    for (const test::LanguageChoice& c : test::LanguageChoices()) {
        const std::vector<std::string_view> own(c.available.begin(), c.available.end());
        EXPECT_EQ(ChooseLanguage(c.preferred, own.empty() ? std::span<const std::string_view>(kAvailable) : own),
                  c.shown)
            << c.why;
    }
}

}  // namespace
}  // namespace ardelin::view
