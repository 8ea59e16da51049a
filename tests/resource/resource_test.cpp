// SPDX-License-Identifier: GPL-3.0-or-later
// Reads this executable's version record and icon, built from Ardelin's
// resource script, the way Windows (Explorer, the task bar) reads them: the
// product and internal name, both versions in numbers and as text, and the
// icon's four images. Prints each finding; fails on the first wrong one.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    failures += ok ? 0 : 1;
}

std::wstring Widen(const char* s) { return {s, s + std::strlen(s)}; }

std::wstring StringValue(const std::vector<char>& record, const wchar_t* name) {
    std::wstring path = L"\\StringFileInfo\\040904b0\\";
    path += name;
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(record.data(), path.c_str(), &value, &length) == 0 || length == 0) {
        return {};
    }
    return {static_cast<const wchar_t*>(value), length - 1};  // length counts the terminator
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

}  // namespace

int main() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeW(self, &ignored));
    Check(!record.empty() && GetFileVersionInfoW(self, 0, static_cast<DWORD>(record.size()), record.data()) != 0,
          "the executable has a version record");
    if (record.empty()) return 1;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    Check(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) != 0 &&
              fixed->dwSignature == 0xFEEF04BD,
          "the record holds the numeric versions");
    const WORD expected[] = {ARDELIN_VERSION_NUMBERS, 0};
    const DWORD high = MAKELONG(expected[1], expected[0]), low = MAKELONG(expected[3], expected[2]);
    Check(fixed->dwFileVersionMS == high && fixed->dwFileVersionLS == low, "file version is the project's, .0");
    Check(fixed->dwProductVersionMS == high && fixed->dwProductVersionLS == low, "product version is the project's, .0");

    const std::wstring display = Widen(ARDELIN_DISPLAY_VERSION);
    Check(StringValue(record, L"ProductName") == L"Ardelin", "ProductName is Ardelin");
    Check(StringValue(record, L"InternalName") == L"Ardelin", "InternalName is Ardelin");
    Check(StringValue(record, L"FileVersion") == display, "FileVersion is the display version");
    Check(StringValue(record, L"ProductVersion") == display, "ProductVersion is the display version");

    HRSRC group = FindResourceW(nullptr, L"IDI_ICON1", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    Check(group != nullptr, "the executable has its icon");
    if (group == nullptr) return 1;
    const auto* icon = static_cast<const GroupIcon*>(LockResource(LoadResource(nullptr, group)));
    Check(icon->type == 1 && icon->count == 4, "the icon holds four images");
    struct Image {
        BYTE size, colours;
        WORD bitCount;
    };
    const Image images[4] = {{32, 16, 4}, {32, 0, 8}, {16, 0, 8}, {16, 16, 4}};  // colours 0: 256
    for (int i = 0; i < 4 && i < icon->count; ++i) {
        const GroupIconEntry& e = icon->entries[i];
        char what[96];
        std::snprintf(what, sizeof what, "image %d is %d x %d in %d colours", i + 1, images[i].size, images[i].size,
                      images[i].colours == 0 ? 256 : images[i].colours);
        HRSRC bits = FindResourceW(nullptr, MAKEINTRESOURCEW(e.id), MAKEINTRESOURCEW(3));  // RT_ICON
        Check(e.width == images[i].size && e.height == images[i].size && e.colours == images[i].colours &&
                  e.bitCount == images[i].bitCount && bits != nullptr && SizeofResource(nullptr, bits) == e.bytes,
              what);
    }
    return failures == 0 ? 0 : 1;
}
