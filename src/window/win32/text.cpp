// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/win32/text.hpp"

#include <windows.h>

#include <climits>
#include <cstddef>

namespace ardelin::win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), length);
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty() || utf16.size() > INT_MAX / 3) {
        return {};
    }
    // Without WC_ERR_INVALID_CHARS an unpaired surrogate converts to U+FFFD.
    const int size = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace ardelin::win32
