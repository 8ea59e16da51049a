// SPDX-License-Identifier: GPL-3.0-or-later
// The translations of every text marked with N_, compiled in from the PO
// files under po/ (tools/i18n/catalogues.py), as a language a session
// holds. The program reads no file for them at run time.
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

// A language's texts: English, a catalogue compiled in, or one given at run
// time. A small value: every text it hands out lives as long as the
// program, whatever language is chosen next.
class Language {
public:
    struct Table;

    Language();  // English
    // The compiled-in catalogue of `code`, one of Languages(); English for any other.
    explicit Language(std::string_view code);
    // A catalogue given at run time, pairs of English and translated text:
    // the page fetches only its language's rather than carrying all of them.
    // Kept for the program's life.
    [[nodiscard]] static Language Given(std::string_view code, std::vector<std::pair<std::string, std::string>> entries);

    // One of Languages(), or "en".
    [[nodiscard]] std::string_view Code() const;
    // `english` in this language, UTF-8; English itself where the catalogue
    // leaves it untranslated.
    [[nodiscard]] std::string_view Tr(std::string_view english) const;
    // Whether the language reads from the right (its catalogue says so).
    [[nodiscard]] bool RightToLeft() const;
    // What sets apart the thousands of a large number in this language
    // ("\u202F", ".", ","; empty: nothing), never the decimal separator in use.
    [[nodiscard]] std::string_view DigitGroup(char decimalSeparator) const;
    // The language's name for itself: "English", "Deutsch", "日本語".
    [[nodiscard]] std::string_view Name() const;

private:
    explicit Language(const Table* table) : table_(table) {}
    const Table* table_;
};

// The language the program shows, chosen at start-up: what a session starts
// with and what the texts outside a session (--help) are in.
[[nodiscard]] const Language& InUse();
void UseLanguage(Language language);
// The same for a compiled-in catalogue's code; English for any other.
void UseLanguage(std::string_view code);

// The language in use's, as above.
[[nodiscard]] std::string_view LanguageInUse();
[[nodiscard]] bool RightToLeft();
[[nodiscard]] std::string_view LanguageName();
[[nodiscard]] std::string_view Tr(std::string_view english);

}  // namespace ardelin::view
