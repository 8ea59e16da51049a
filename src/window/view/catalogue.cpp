// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/catalogue.hpp"

#include <algorithm>

#include "ardelin_catalogues.hpp"
#include "window/view/language.hpp"

namespace ardelin::view {
namespace {

const catalogues::Catalogue* inUse = nullptr;  // nullptr: English

}  // namespace

std::span<const std::string_view> Languages() { return catalogues::kCodes; }

void UseLanguage(std::string_view code) {
    const auto found = std::find_if(catalogues::kCatalogues.begin(), catalogues::kCatalogues.end(),
                                    [code](const catalogues::Catalogue& c) { return c.code == code; });
    inUse = found != catalogues::kCatalogues.end() ? &*found : nullptr;
}

std::string_view LanguageInUse() { return inUse != nullptr ? inUse->code : kEnglish; }

std::string_view Tr(std::string_view english) {
    if (inUse == nullptr) {
        return english;
    }
    const auto before = [](const catalogues::Entry& e, std::string_view key) { return e.english < key; };
    const auto found = std::lower_bound(inUse->entries.begin(), inUse->entries.end(), english, before);
    return found != inUse->entries.end() && found->english == english ? found->translated : english;
}

}  // namespace ardelin::view
