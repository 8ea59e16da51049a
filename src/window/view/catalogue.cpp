// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/catalogue.hpp"

#include <algorithm>
#include <utility>

#include "ardelin_catalogues.hpp"
#include "model/text_mark.hpp"
#include "window/view/language.hpp"

namespace ardelin::view {
namespace {

const catalogues::Catalogue* inUse = nullptr;  // nullptr: English, or the one given at run time

// A catalogue given at run time, by English text; its code empty when none is.
struct Given {
    std::string code;
    std::vector<std::pair<std::string, std::string>> entries;
};
Given given;

template <typename Entries, typename Key>
auto Find(const Entries& entries, std::string_view english, Key key) {
    const auto found = std::lower_bound(entries.begin(), entries.end(), english,
                                        [key](const auto& e, std::string_view k) { return key(e) < k; });
    return found != entries.end() && key(*found) == english ? found : entries.end();
}

}  // namespace

std::span<const std::string_view> Languages() { return catalogues::kCodes; }

void UseLanguage(std::string_view code) {
    const auto found = std::find_if(catalogues::kCatalogues.begin(), catalogues::kCatalogues.end(),
                                    [code](const catalogues::Catalogue& c) { return c.code == code; });
    inUse = found != catalogues::kCatalogues.end() ? &*found : nullptr;
    given = {};
}

void UseCatalogue(std::string_view code, std::vector<std::pair<std::string, std::string>> entries) {
    std::sort(entries.begin(), entries.end());
    inUse = nullptr;
    given = {std::string(code), std::move(entries)};
}

std::string_view LanguageInUse() {
    if (!given.code.empty()) {
        return given.code;
    }
    return inUse != nullptr ? inUse->code : kEnglish;
}

std::string_view Tr(std::string_view english) {
    if (!given.code.empty()) {
        const auto found = Find(given.entries, english, [](const auto& e) -> std::string_view { return e.first; });
        return found != given.entries.end() && !found->second.empty() ? std::string_view(found->second) : english;
    }
    if (inUse == nullptr) {
        return english;
    }
    const auto found = Find(inUse->entries, english, [](const catalogues::Entry& e) { return e.english; });
    return found != inUse->entries.end() ? found->translated : english;
}

}  // namespace ardelin::view

namespace ardelin::view {

// TRANSLATORS: the direction this language is written in: "default:RTL" for a language read from the right,
// such as Hebrew, else "default:LTR" as it stands. Every window and the page are mirrored for "default:RTL".
bool RightToLeft() { return Tr(N_("default:LTR")) == "default:RTL"; }

// TRANSLATORS: the name of this language, in this language: "Deutsch", "Français", "日本語". The page
// lists each language by this name at its foot.
std::string_view LanguageName() { return Tr(N_("English")); }

}  // namespace ardelin::view
