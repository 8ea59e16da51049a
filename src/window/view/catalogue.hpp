// SPDX-License-Identifier: GPL-3.0-or-later
// The translations of every text marked with N_, compiled in from the PO
// files under po/ (tools/i18n/catalogues.py), and the language in use. The
// program reads no file for them at run time.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ardelin::view {

// The languages there are catalogues for, English aside, as their codes
// ("de", "pt_BR").
[[nodiscard]] std::span<const std::string_view> Languages();

// Shows every text in this language from now on: a code from Languages(),
// or English for any other.
void UseLanguage(std::string_view code);

// Shows every text in the language `code` from now on, from a catalogue
// given at run time: pairs of English and translated text. The page fetches
// only its language's catalogue rather than carrying all of them.
void UseCatalogue(std::string_view code, std::vector<std::pair<std::string, std::string>> entries);

// The code of the language in use: one of Languages(), or "en".
[[nodiscard]] std::string_view LanguageInUse();

// Whether the language in use reads from the right (its catalogue says so).
[[nodiscard]] bool RightToLeft();

// The language in use's name for itself: "English", "Deutsch", "日本語".
[[nodiscard]] std::string_view LanguageName();

// `english` in the language in use, UTF-8; English itself where that
// language's catalogue leaves it untranslated.
[[nodiscard]] std::string_view Tr(std::string_view english);

}  // namespace ardelin::view
