// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/info.hpp"

#include <array>

#include "ardelin_version.hpp"
#include "model/text_mark.hpp"
#include "window/view/catalogue.hpp"

namespace ardelin::view {

std::optional<InfoAnswer> AnswerInfoOptions(const std::vector<std::string>& arguments, std::string_view frontEndNote,
                                            bool slashHelp) {
    constexpr std::array<std::string_view, 4> kHelp{"h", "?", "help", "help-all"};
    constexpr std::array<std::string_view, 2> kVersion{"v", "version"};
    auto among = [](std::string_view name, const auto& names) {
        for (const std::string_view n : names) {
            if (n == name) return true;
        }
        return false;
    };
    bool help = false;
    bool version = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string_view a = arguments[i];
        if (a == "--") {
            break;  // what follows is no option
        }
        if (slashHelp && a == "/?") {
            help = true;
            continue;
        }
        if (a.size() < 2 || a[0] != '-') {
            continue;  // a value or a name: not ours
        }
        a.remove_prefix(a[1] == '-' ? 2 : 1);
        a = a.substr(0, a.find('='));
        help = help || among(a, kHelp);
        version = version || among(a, kVersion);
    }
    if (version) {
        return InfoAnswer{VersionText(), 0};
    }
    if (help) {
        std::string text = std::string(Tr(N_("Usage: ardelin [options]"))) + "\n" +
                           // TRANSLATORS: the second line of --help.
                           std::string(Tr(N_("Beam width and lowest detectable fluctuation of a radio-telescope "
                                             "dish, and the wavelength of a frequency."))) +
                           "\n" + std::string(Tr(N_("Opens one window; reads and writes no files.")));
        if (!frontEndNote.empty()) {
            text += ' ';
            text += frontEndNote;
        }
        text += "\n\n" + std::string(Tr(N_("Options:"))) + "\n  -h, -?, --help, --help-all  " +
                std::string(Tr(N_("Displays this help."))) + "\n  -v, --version               " +
                std::string(Tr(N_("Displays the version."))) + "\n";
        return InfoAnswer{text, 0};
    }
    return std::nullopt;
}

std::string VersionText() { return std::string("Ardelin ") + kDisplayVersion + "\n"; }

char DecimalSeparatorFrom(std::string_view localeSeparator) { return localeSeparator == "," ? ',' : '.'; }

}  // namespace ardelin::view
