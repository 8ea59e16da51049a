// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/catalogue.hpp"

#include <algorithm>
#include <charconv>
#include <deque>
#include <mutex>
#include <utility>

#include "ardelin_catalogues.hpp"
#include "model/text_mark.hpp"
#include "window/view/language.hpp"

namespace ardelin::view {

// Every catalogue, compiled in or given, in one form: its code and its
// entries sorted by English text, one lookup for both.
struct Language::Table {
    std::string_view code;
    std::span<const catalogues::Entry> entries;
};

namespace {

const std::vector<Language::Table>& Compiled() {
    static const std::vector<Language::Table> tables = [] {
        std::vector<Language::Table> t;
        t.reserve(catalogues::kCatalogues.size());
        for (const catalogues::Catalogue& c : catalogues::kCatalogues) {
            t.push_back({c.code, c.entries});
        }
        return t;
    }();
    return tables;
}

// A catalogue given at run time, with the storage its entries point into.
struct GivenTable {
    std::string code;
    std::vector<std::pair<std::string, std::string>> texts;
    std::vector<catalogues::Entry> entries;
    Language::Table table;
};

Language& Chosen() {
    static Language chosen;
    return chosen;
}

}  // namespace

Language::Language() : table_(nullptr) {}

Language::Language(std::string_view code) : table_(nullptr) {
    const auto& tables = Compiled();
    const auto found = std::find_if(tables.begin(), tables.end(), [code](const Table& t) { return t.code == code; });
    if (found != tables.end()) {
        table_ = &*found;
    }
}

Language Language::Given(std::string_view code, std::vector<std::pair<std::string, std::string>> entries) {
    // Never freed: a text handed out stays valid after the next choice. A
    // page loads one catalogue or two in its life.
    static std::deque<GivenTable> given;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    GivenTable& g = given.emplace_back();
    g.code = std::string(code);
    g.texts = std::move(entries);
    std::sort(g.texts.begin(), g.texts.end());
    for (const auto& [english, translated] : g.texts) {
        if (!translated.empty()) {
            g.entries.push_back({english, translated});
        }
    }
    g.table = {g.code, g.entries};
    return Language(&g.table);
}

std::string_view Language::Code() const { return table_ != nullptr ? table_->code : kEnglish; }

std::string_view Language::Tr(std::string_view english) const {
    if (table_ == nullptr) {
        return english;
    }
    const auto found = std::lower_bound(table_->entries.begin(), table_->entries.end(), english,
                                        [](const catalogues::Entry& e, std::string_view k) { return e.english < k; });
    return found != table_->entries.end() && found->english == english ? found->translated : english;
}

// TRANSLATORS: the direction this language is written in: "default:RTL" for a language read from the right,
// such as Hebrew, else "default:LTR" as it stands. Every window and the page are mirrored for "default:RTL".
bool Language::RightToLeft() const { return Tr(N_("default:LTR")) == "default:RTL"; }

std::string Language::DigitGroup(char decimalSeparator) const {
    constexpr std::string_view kPrefix = "default:group=";
    constexpr std::string_view kNarrow = "\u202F";
    // TRANSLATORS: how this language sets apart the thousands of a large number in a report ("45 095 Jy"):
    // "default:group=" and then the character between groups of three digits, written as its code point
    // ("U+202F" a narrow no-break space, "U+00A0" a no-break space) or as itself ("." or ","), or "none" for
    // none. Where the character is the decimal separator in use, a narrow no-break space stands instead.
    std::string_view said = Tr(N_("default:group=U+202F"));
    if (!said.starts_with(kPrefix)) {
        return std::string(kNarrow);
    }
    said.remove_prefix(kPrefix.size());
    std::string group;
    if (said == "none") {
        return group;
    }
    if (said.size() > 2 && said.starts_with("U+")) {
        unsigned point = 0;
        const auto [end, error] = std::from_chars(said.data() + 2, said.data() + said.size(), point, 16);
        if (error != std::errc() || end != said.data() + said.size() || point < 0x20 || point > 0xFFFF ||
            (point >= 0xD800 && point <= 0xDFFF)) {
            return std::string(kNarrow);
        }
        group = point < 0x80    ? std::string(1, static_cast<char>(point))
                : point < 0x800 ? std::string{static_cast<char>(0xC0U | (point >> 6U)),
                                              static_cast<char>(0x80U | (point & 0x3FU))}
                                : std::string{static_cast<char>(0xE0U | (point >> 12U)),
                                              static_cast<char>(0x80U | ((point >> 6U) & 0x3FU)),
                                              static_cast<char>(0x80U | (point & 0x3FU))};
    } else {
        group = std::string(said);
    }
    // A group mark that reads as the decimal separator would turn 45 095 into 45.095.
    return group == std::string(1, decimalSeparator) || group.find_first_of("0123456789") != std::string::npos
               ? std::string(kNarrow)
               : group;
}

// TRANSLATORS: the name of this language, in this language: "Deutsch", "Français", "日本語". The page
// lists each language by this name at its foot.
std::string_view Language::Name() const { return Tr(N_("English")); }

std::span<const std::string_view> Languages() { return catalogues::kCodes; }

const Language& InUse() { return Chosen(); }

void UseLanguage(Language language) { Chosen() = language; }

void UseLanguage(std::string_view code) { Chosen() = Language(code); }

std::string_view LanguageInUse() { return InUse().Code(); }

bool RightToLeft() { return InUse().RightToLeft(); }

std::string_view LanguageName() { return InUse().Name(); }

std::string_view Tr(std::string_view english) { return InUse().Tr(english); }

}  // namespace ardelin::view
