// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the Win32 window against its floor, under one Windows (Wine):
// starts each program RUNS times, alternating, and measures the time from
// CreateProcess to the first idle message loop with its window shown and
// painted, and the working set then; prints the medians and their ratios.
// The floor takes Ardelin's scale, read from Ardelin's first window, so that
// both paint the same area.
// Usage: first_paint.exe RUNS ARDELIN.exe FLOOR.exe
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Start {
    double ms = 0;
    double kib = 0;
    int clientWidth = 0;
};

HWND VisibleWindowOf(DWORD process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->process && IsWindowVisible(hwnd) != FALSE && GetWindow(hwnd, GW_OWNER) == nullptr) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Start Run(const std::wstring& commandLine) {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER begin{};
    LARGE_INTEGER end{};
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    QueryPerformanceCounter(&begin);
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) == FALSE) {
        std::fwprintf(stderr, L"cannot start %ls\n", commandLine.c_str());
        std::exit(1);
    }
    HWND window = nullptr;
    while (window == nullptr) {
        WaitForInputIdle(process.hProcess, 10000);
        window = VisibleWindowOf(process.dwProcessId);
        if (window == nullptr) Sleep(1);
    }
    // Its first paint is done once the window has nothing left to paint.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
    QueryPerformanceCounter(&end);
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    RECT client{};
    GetClientRect(window, &client);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {static_cast<double>(end.QuadPart - begin.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart),
            static_cast<double>(memory.WorkingSetSize) / 1024.0, client.right};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: first_paint.exe RUNS ARDELIN.exe FLOOR.exe\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::wstring ardelin = std::wstring(L"\"") + argv[2] + L"\"";
    const double scale = Run(ardelin).clientWidth / 314.0;  // a first run, also to warm the caches
    const std::wstring floor = std::wstring(L"\"") + argv[3] + L"\" " + std::to_wstring(scale);
    (void)Run(floor);
    std::vector<double> ms[2];
    std::vector<double> kib[2];
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const Start s = Run(which == 0 ? ardelin : floor);
            ms[which].push_back(s.ms);
            kib[which].push_back(s.kib);
        }
    }
    std::printf("runs each:        %d, at scale %.4f\n", runs, scale);
    std::printf("first paint (ms): ardelin %.1f  floor %.1f  ratio %.3f\n", Median(ms[0]), Median(ms[1]),
                Median(ms[0]) / Median(ms[1]));
    std::printf("working set (KiB): ardelin %.0f  floor %.0f  ratio %.3f\n", Median(kib[0]), Median(kib[1]),
                Median(kib[0]) / Median(kib[1]));
    return 0;
}
