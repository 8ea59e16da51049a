// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8, as the form model and the description hold text, to and from
// Windows' UTF-16, at the window's edge.
#pragma once

#include <string>
#include <string_view>

namespace ardelin::win32 {

[[nodiscard]] std::wstring Widen(std::string_view utf8);

// Invalid UTF-16, such as a lone surrogate, becomes U+FFFD: the text is then
// no number, and reading it is a conversion error like any other.
[[nodiscard]] std::string Narrow(std::wstring_view utf16);

}  // namespace ardelin::win32
