// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every case of the report table as a person using LANG reads it:
// the case's name, a tab, and the report filled in in that language, one a
// line. Numbers use the language's usual decimal separator; a case about
// the separator itself (its inputs write the usual one where its locale
// wants the other) keeps its own. For translators, to read every report
// whole before sending a catalogue (tools/i18n/reports).
// Usage: ardelin_reports LANG [PAIRS]
// PAIRS, a catalogue as tools/i18n/catalogues.py --pairs writes it, stands
// for the compiled-in one: a catalogue being written reads as it is now.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "../../tests/view/report_cases.hpp"
#include "calc/handlers.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/press.hpp"

namespace {

using namespace ardelin;

// The decimal separator a language's readers write, as their locales do.
char UsualSeparator(std::string_view code) {
    constexpr std::string_view comma[] = {"de", "es", "fr", "it", "nl", "pt_BR", "ru"};
    return std::find(std::begin(comma), std::end(comma), code) != std::end(comma) ? ',' : '.';
}

// The case in `usual`: each input's decimal separator written the usual way,
// unless the case is about the separator.
test::ReportCase InSeparator(test::ReportCase c, char usual) {
    const auto writes = [&c](char ch) {
        return std::any_of(c.inputs.begin(), c.inputs.end(),
                           [ch](const std::string& pair) { return pair.find(ch, pair.find('=')) != std::string::npos; });
    };
    if (c.separator == usual || writes(usual)) {
        return c;
    }
    for (std::string& pair : c.inputs) {
        std::replace(pair.begin() + static_cast<std::ptrdiff_t>(pair.find('=')), pair.end(), c.separator, usual);
    }
    c.separator = usual;
    return c;
}

// The pairs of English and translated text in `path`, each text ended by a NUL.
std::vector<std::pair<std::string, std::string>> PairsIn(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(std::string("cannot read ") + path);
    }
    const std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t at = 0;
    while (at < all.size()) {
        const std::size_t mid = all.find('\0', at);
        const std::size_t end = mid == std::string::npos ? mid : all.find('\0', mid + 1);
        if (end == std::string::npos) {
            throw std::runtime_error(std::string(path) + " ends inside a pair");
        }
        pairs.emplace_back(all.substr(at, mid - at), all.substr(mid + 1, end - mid - 1));
        at = end + 1;
    }
    return pairs;
}

}  // namespace

int main(int argc, char** argv) try {
    const std::string_view code = argc == 2 || argc == 3 ? argv[1] : "";
    const auto& codes = view::Languages();
    if (code != "en" && std::find(codes.begin(), codes.end(), code) == codes.end()) {
        std::fprintf(stderr, "usage: reports LANG [PAIRS], with LANG one of en");
        for (const std::string_view c : codes) {
            std::fprintf(stderr, " %.*s", static_cast<int>(c.size()), c.data());
        }
        std::fprintf(stderr, "\n");
        return 2;
    }
    const view::Language language =
        argc == 3 ? view::Language::Given(code, PairsIn(argv[2])) : view::Language(code);
    for (const test::ReportCase& table : test::ReportCases()) {
        const test::ReportCase c = InSeparator(table, UsualSeparator(code));
        Form1 form(c.separator, view::Words(language));
        BindCalculations(form);
        for (const std::string& pair : c.inputs) {
            const std::size_t eq = pair.find('=');
            form.SetText(*FieldByName(pair.substr(0, eq)), pair.substr(eq + 1));
        }
        const std::optional<view::Report> report = view::Press(form, c.button, language);
        if (!report) {
            std::fprintf(stderr, "reports: the case \"%s\" brought up no report\n", c.name.c_str());
            return 1;
        }
        std::printf("%s\t%s\n", c.name.c_str(), report->text.c_str());
    }
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "reports: %s\n", e.what());
    return 1;
}
