// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/win32/platform.hpp"

#include <windows.h>

#include <cstdlib>

#include "window/view/info.hpp"
#include "window/win32/text.hpp"

namespace ardelin::win32 {

char DecimalSeparatorOf(const wchar_t* localeName) {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(localeName, LOCALE_SDECIMAL, separator, 8) == 0) {
        return '.';
    }
    return view::DecimalSeparatorFrom(Narrow(separator));
}

std::vector<std::string> Arguments() {
    // As the C runtime split the command line for wWinMain: no shell32 to load.
    std::vector<std::string> utf8;
    for (int i = 0; __wargv != nullptr && i < __argc; ++i) {
        utf8.push_back(Narrow(__wargv[i]));
    }
    return utf8;
}

std::vector<std::string> PreferredLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) == FALSE || size == 0) {
        return {};
    }
    std::wstring names(size, L'\0');
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size) == FALSE) {
        return {};
    }
    std::vector<std::string> tags;  // the names stand one after another, each ended by a null
    for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
        const std::size_t end = names.find(L'\0', at);
        tags.push_back(Narrow(names.substr(at, end - at)));
        at = end + 1;
    }
    return tags;
}

void WriteToConsole(const std::string& text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS) != FALSE) {
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode) != FALSE) {
        const std::wstring wide = Widen(text);
        WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

}  // namespace ardelin::win32
