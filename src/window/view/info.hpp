// SPDX-License-Identifier: GPL-3.0-or-later
// What Ardelin says before it opens any window, and the locale rule every
// front end shares. Plain C++, UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ardelin::view {

struct InfoAnswer {
    std::string text;  // for standard output
    int exitCode;
};

// The answer to --help (-h, -?, --help-all) or --version (-v) among
// `arguments` (the program's name first; one or two dashes alike, "--" ends
// the options); nullopt when neither is asked for, and the window opens.
// `frontEndNote` ends the help's description: what else the front end takes.
// With `slashHelp`, "/?" asks for help too, as Windows programs take it;
// every other word that does not start with a dash is no option.
[[nodiscard]] std::optional<InfoAnswer> AnswerInfoOptions(const std::vector<std::string>& arguments,
                                                          std::string_view frontEndNote, bool slashHelp = false);

// "Ardelin 1.00\n".
[[nodiscard]] std::string VersionText();

// The decimal separator as the form model takes it, from the separator a
// locale writes: ',' where that is a comma, '.' for every other.
[[nodiscard]] char DecimalSeparatorFrom(std::string_view localeSeparator);

}  // namespace ardelin::view
