// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the Win32 start-up benchmark: a bare window with the same
// fourteen system controls in the same places, in the system's message font,
// and no logic at all. Usage: floor_window.exe [SCALE]  (pixels per 15 twips)
#include <windows.h>

#include <cmath>
#include <cwchar>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR commandLine, int show) {
    const double scale = *commandLine != 0 ? std::wcstod(commandLine, nullptr) : 1.0;
    auto px = [scale](int twips) { return static_cast<int>(std::lround(twips * scale / 15)); };
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, px(4710), px(5745)};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
    const HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, L"Floor", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                      CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                      nullptr, instance, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    const int edits[][4] = {{120, 120, 1575, 285},  {120, 480, 1575, 285},  {120, 840, 1575, 285},
                            {120, 1200, 1575, 285}, {120, 1560, 1575, 285}, {120, 1920, 1575, 285},
                            {120, 2280, 1575, 285}, {3240, 360, 1335, 285}, {3240, 1320, 1335, 285},
                            {3240, 960, 1335, 285}, {120, 5040, 2175, 285}};
    for (const auto& e : edits) {
        const HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"Text", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                          px(e[0]), px(e[1]), px(e[2]), px(e[3]), hwnd, nullptr, instance, nullptr);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    const struct {
        const wchar_t* caption;
        int place[4];
    } buttons[] = {{L"&Beam Width", {1920, 360, 1095, 255}},
                   {L"&Lower limit", {1920, 960, 1095, 255}},
                   {L"&Convert", {2520, 5040, 735, 255}}};
    for (const auto& b : buttons) {
        const HWND button =
            CreateWindowExW(0, L"BUTTON", b.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                            px(b.place[0]), px(b.place[1]), px(b.place[2]), px(b.place[3]), hwnd, nullptr, instance,
                            nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(hwnd, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(font);
    return 0;
}
