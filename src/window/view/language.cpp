// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/language.hpp"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace ardelin::view {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// A tag split into its language and region, lower case: "de_AT.UTF-8@euro"
// and "de-AT" give {"de", "at"}; "zh-Hant-TW" gives {"zh", "tw"} with the
// script kept apart; "C" and "POSIX" give English.
struct Tag {
    std::string language;
    std::string script;
    std::string region;
};

Tag Parse(std::string_view text) {
    text = text.substr(0, std::min(text.find('.'), text.find('@')));  // a POSIX locale's codeset and modifier
    std::vector<std::string> parts;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("-_", at), text.size());
        parts.push_back(Lower(text.substr(at, end - at)));
        at = end + 1;
    }
    Tag tag{parts[0], "", ""};
    if (tag.language == "c" || tag.language == "posix") {
        tag.language = std::string(kEnglish);
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].size() == 4 && tag.script.empty() && tag.region.empty()) {
            tag.script = parts[i];
        } else if ((parts[i].size() == 2 || parts[i].size() == 3) && tag.region.empty()) {
            tag.region = parts[i];
        }
    }
    return tag;
}

bool Traditional(const Tag& tag) {
    return tag.language == "zh" && (tag.script == "hant" || (tag.script.empty() && (tag.region == "tw" ||
                                                                                    tag.region == "hk" ||
                                                                                    tag.region == "mo")));
}

// The available catalogue for one tag, or "": the one for its language and
// region, else the one for its language, else its language's only regional one.
std::string Match(const Tag& tag, std::span<const std::string_view> available) {
    if (tag.language.empty() || Traditional(tag)) {
        return {};
    }
    if (tag.language == kEnglish) {
        return std::string(kEnglish);
    }
    std::vector<std::pair<std::string_view, Tag>> same;
    for (const std::string_view code : available) {
        if (Tag have = Parse(code); have.language == tag.language) {
            same.emplace_back(code, std::move(have));
        }
    }
    for (const auto& [code, have] : same) {
        if (!tag.region.empty() && have.region == tag.region) {
            return std::string(code);
        }
    }
    for (const auto& [code, have] : same) {
        if (have.region.empty()) {
            return std::string(code);
        }
    }
    return same.size() == 1 ? std::string(same[0].first) : std::string();
}

}  // namespace

std::string ChooseLanguage(std::span<const std::string> preferred, std::span<const std::string_view> available) {
    for (const std::string& text : preferred) {
        if (std::string match = Match(Parse(text), available); !match.empty()) {
            return match;
        }
    }
    return std::string(kEnglish);
}

}  // namespace ardelin::view
