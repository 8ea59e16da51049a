// SPDX-License-Identifier: GPL-3.0-or-later
// Which of Ardelin's languages a person sees, from the languages they prefer
// in order, as each platform lists them: Qt's UI languages on Linux
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), Windows' preferred UI languages,
// the browser's navigator.languages.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ardelin::view {

// English, the source of every text, is always there. Other catalogues are
// named by a language ("de"), or a language and a region ("pt_BR").
inline constexpr std::string_view kEnglish = "en";

// The catalogue to show: the first preferred language that Ardelin has,
// English among them, so that a lower-ranked translation never wins over a
// preferred English. Each tag ("de-AT", "de_AT.UTF-8", "pt-BR", "zh-Hant-TW",
// "C") is matched first with its region ("pt_BR"), then by its language alone
// ("de"), where a language with a single regional catalogue takes that one
// ("pt-PT" reads pt_BR). Traditional Chinese (zh-TW, zh-HK, zh-MO, zh-Hant)
// takes nothing from the Simplified catalogue. Nothing matched: English.
[[nodiscard]] std::string ChooseLanguage(std::span<const std::string> preferred,
                                         std::span<const std::string_view> available);

}  // namespace ardelin::view
