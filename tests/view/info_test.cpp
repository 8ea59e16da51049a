// SPDX-License-Identifier: GPL-3.0-or-later
// --help and --version before any window, and the decimal separator a
// locale's own separator gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/view/info.hpp"

namespace ardelin::view {
namespace {

TEST(Info, HelpAndVersionAreAnsweredEverythingElseOpensTheWindow) {
    struct Case {
        std::vector<std::string> arguments;
        const char* answerStart;  // nullptr: no answer, the window opens
        bool windows = false;     // with Windows' "/?"
    };
    const Case cases[] = {
        {{}, nullptr},
        {{"--version"}, "Ardelin 1.00\n"},
        {{"-v"}, "Ardelin 1.00\n"},
        {{"--v"}, "Ardelin 1.00\n"},
        {{"--help"}, "Usage: ardelin [options]\n"},
        {{"-?"}, "Usage: ardelin [options]\n"},
        {{"-style", "fusion", "-h"}, "Usage: ardelin [options]\n"},
        {{"--help-all"}, "Usage: ardelin [options]\n"},
        {{"--help", "--version"}, "Ardelin 1.00\n"},  // the version wins
        {{"--version=2"}, "Ardelin 1.00\n"},
        {{"-reverse"}, nullptr},
        {{"-style", "windows"}, nullptr},
        {{"--frobnicate", "file.txt"}, nullptr},
        {{"-vh"}, nullptr},           // one word, not two letters
        {{"--", "--help"}, nullptr},  // after "--" nothing is an option
        {{"-"}, nullptr},
        {{"-style", "xv"}, nullptr},  // a value, though its letters would make -v
        {{"/?"}, nullptr},            // on Windows only
        {{"/?"}, "Usage: ardelin [options]\n", true},
        {{"/v"}, nullptr, true},
        {{"-style", "xv"}, nullptr, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"ardelin"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        // Elsewhere as the Linux main asks: with the default, where "/?" is no option.
        const auto answer = c.windows ? AnswerInfoOptions(arguments, "", true) : AnswerInfoOptions(arguments, "");
        const std::string shown = (arguments.size() > 1 ? arguments[1] : "(none)") + (c.windows ? " on Windows" : "");
        if (c.answerStart == nullptr) {
            EXPECT_FALSE(answer.has_value()) << shown;
        } else {
            ASSERT_TRUE(answer.has_value()) << shown;
            EXPECT_EQ(answer->exitCode, 0);
            EXPECT_EQ(answer->text.rfind(c.answerStart, 0), 0U) << shown << ": " << answer->text;
            EXPECT_EQ(answer->text.find(" \n"), std::string::npos) << shown << ": a line ends in a space";
        }
    }
}

TEST(Info, HelpEndsItsDescriptionWithTheFrontEndsNote) {
    const auto answer = AnswerInfoOptions({"ardelin.exe", "/?", "-h"}, "Note.");
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->text,
              "Usage: ardelin [options]\n"
              "Beam width and lowest detectable fluctuation of a radio-telescope dish, and the wavelength of a "
              "frequency.\nOpens one window; reads and writes no files. Note.\n\n"
              "Options:\n"
              "  -h, -?, --help, --help-all  Displays this help.\n"
              "  -v, --version               Displays the version.\n");
    EXPECT_EQ(VersionText(), "Ardelin 1.00\n");
}

TEST(Info, DecimalSeparatorFromTheLocalesSeparator) {
    EXPECT_EQ(DecimalSeparatorFrom("."), '.');
    EXPECT_EQ(DecimalSeparatorFrom(","), ',');
    EXPECT_EQ(DecimalSeparatorFrom("\u066B"), '.');  // Arabic momayyez
    EXPECT_EQ(DecimalSeparatorFrom(""), '.');
    EXPECT_EQ(DecimalSeparatorFrom(",,"), '.');
}

}  // namespace
}  // namespace ardelin::view
