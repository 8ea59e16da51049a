// SPDX-License-Identifier: GPL-3.0-or-later
// What the Windows front end asks of the system besides its window: the
// user's decimal separator and the console the program was started from.
#pragma once

#include <string>
#include <vector>

namespace ardelin::win32 {

// The decimal separator of a locale (LOCALE_NAME_USER_DEFAULT: the user's),
// as the form model takes it.
[[nodiscard]] char DecimalSeparatorOf(const wchar_t* localeName);

// The program's arguments as UTF-8, its name first.
[[nodiscard]] std::vector<std::string> Arguments();

// The user's display languages, most preferred first, as tags ("de-DE").
[[nodiscard]] std::vector<std::string> PreferredLanguages();

// Writes to standard output where it goes somewhere (a pipe, a file),
// otherwise to the console the program was started from, if any: a windowed
// program has no console of its own.
void WriteToConsole(const std::string& text);

}  // namespace ardelin::win32
