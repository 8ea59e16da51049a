// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/catalogue.hpp"

#include <algorithm>
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

std::string_view Language::DigitGroup(char decimalSeparator) const {
    constexpr std::string_view kNarrow = "\u202F";
    // TRANSLATORS: how this language sets apart the thousands of a large number in a report ("45 095 Jy"):
    // "default:group=" and then one of "U+202F" (a narrow no-break space), "U+00A0" (a no-break space),
    // "U+2009" (a thin space), ".", ",", "'" or "none". Where the mark is the decimal separator in use, a
    // narrow no-break space stands instead.
    const std::string_view said = Tr(N_("default:group=U+202F"));
    struct Mark {
        std::string_view said;
        std::string_view group;
    };
    constexpr Mark kMarks[] = {{"default:group=U+202F", kNarrow}, {"default:group=U+00A0", "\u00A0"},
                               {"default:group=U+2009", "\u2009"}, {"default:group=.", "."},
                               {"default:group=,", ","},           {"default:group='", "'"},
                               {"default:group=none", ""}};
    const auto* mark = std::find_if(std::begin(kMarks), std::end(kMarks), [said](const Mark& m) { return m.said == said; });
    // Unknown, or a mark that reads as the decimal separator (45.095 for 45 095): the narrow space.
    if (mark == std::end(kMarks) || mark->group == std::string_view(&decimalSeparator, 1)) {
        return kNarrow;
    }
    return mark->group;
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
