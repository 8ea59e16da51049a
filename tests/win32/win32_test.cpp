// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 window as a user meets it, driven in-process under a real
// display: geometry from the description, tab order, keys typed through the
// system's input queue, reports read from the message box, every text whole
// at the display's dots per inch (ARDELIN_TEST_DPI), long pastes, both
// decimal separators and the end of the program.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <cstring>
#include <variant>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/form1.hpp"
#include "../headless/headless.hpp"
#include "../view/language_cases.hpp"
#include "../view/report_cases.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/layout.hpp"
#include "window/view/session.hpp"
#include "window/win32/form1_window.hpp"
#include "window/win32/platform.hpp"
#include "window/win32/text.hpp"

namespace ardelin::win32 {
namespace {

using view::kControls;

struct Box {
    std::wstring title;
    std::wstring text;
    HWND hadFocus;  // in the window, as the box came up
};
std::vector<Box> boxes;  // what each message box said, once dismissed

// Reads each message box as it comes up, and dismisses it as a user would.
LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(box, className, 16);
        if (std::wstring(className) == L"#32770") {
            wchar_t title[64] = {};
            GetWindowTextW(box, title, 64);
            std::wstring text(4096, L'\0');
            text.resize(static_cast<std::size_t>(GetDlgItemTextW(box, 0xFFFF, text.data(), 4096)));
            boxes.push_back({title, text, GetFocus()});
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// "Conversion error: “…” in the field “Frequency to convert (MHz)” is not a number.", whatever the text.
bool IsNotANumberInFreq(const std::wstring& report) {
    const std::wstring end = L"\u201D in the field \u201CFrequency to convert (MHz)\u201D is not a number.";
    return report.starts_with(L"Conversion error: \u201C") && report.ends_with(end);
}

std::string NameOf(HWND control) {
    const auto i = static_cast<std::size_t>(GetDlgCtrlID(control) - kFirstControlId);
    return i < kControls.size() ? std::string(view::Name(kControls[i])) : "(none)";
}

class Win32Window : public ::testing::Test {
protected:
    void SetUp() override {
        hook_ = SetWindowsHookExW(WH_CBT, WatchBoxes, nullptr, GetCurrentThreadId());
        boxes.clear();
        Open('.');
    }
    void TearDown() override {
        window_.reset();
        session_.reset();
        Pump();
        UnhookWindowsHookEx(hook_);
    }

    void Open(char separator) {
        window_.reset();
        session_ = std::make_unique<view::Session>(separator);
        form_ = &session_->Form();
        window_ = std::make_unique<Form1Window>(*session_);
        window_->Show(SW_SHOWNORMAL);
        SetForegroundWindow(window_->Handle());
        Pump();
    }

    // Runs the program's loop until nothing is left to do.
    void Pump() {
        for (int round = 0; round < 5; ++round) {
            MSG message{};
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
                if (message.message == WM_QUIT) {
                    quitSeen_ = true;
                } else if (window_) {
                    window_->HandleMessage(message);
                } else {
                    DispatchMessageW(&message);
                }
            }
            Sleep(5);
        }
    }

    // A chord through the system's input queue: keys down in order, up in reverse.
    void Keys(std::initializer_list<WORD> keys) {
        std::vector<INPUT> inputs;
        for (const WORD k : keys) inputs.push_back(Key(k, 0));
        for (auto k = std::rbegin(keys); k != std::rend(keys); ++k) inputs.push_back(Key(*k, KEYEVENTF_KEYUP));
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        Pump();
    }
    void Type(const std::wstring& text) {
        std::vector<INPUT> inputs;
        for (const wchar_t c : text) {
            inputs.push_back(Unicode(c, 0));
            inputs.push_back(Unicode(c, KEYEVENTF_KEYUP));
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        Pump();
    }
    static INPUT Key(WORD key, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.dwFlags = flags;
        return in;
    }
    static INPUT Unicode(wchar_t c, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wScan = c;
        in.ki.dwFlags = KEYEVENTF_UNICODE | flags;
        return in;
    }

    // Alt and a button's access key in the language in use: a Latin letter
    // through the input queue, another letter as the WM_SYSCHAR a keyboard
    // of that language sends.
    void PressAccessKey(Button b) {
        const std::wstring key = Widen(view::SplitCaption(view::Caption(b)).key);
        if (key.size() == 1 && key[0] < 0x80) {
            Keys({VK_MENU, static_cast<WORD>(std::towupper(key[0]))});
            return;
        }
        PostMessageW(GetFocus(), WM_SYSCHAR, key[0], 1 << 29);  // bit 29: Alt is down
        Pump();
    }
    // Where a control stands in the client area as a person sees it, left to
    // right whatever the window's layout.
    view::Rect Seen(HWND control) const {
        RECT r{};
        GetWindowRect(control, &r);
        RECT client{};
        GetClientRect(window_->Handle(), &client);
        POINT corners[2] = {{0, 0}, {client.right, 0}};
        MapWindowPoints(window_->Handle(), HWND_DESKTOP, corners, 2);
        const LONG left = std::min(corners[0].x, corners[1].x);
        POINT top{0, 0};
        ClientToScreen(window_->Handle(), &top);
        return {r.left - left, r.top - top.y, r.right - r.left, r.bottom - r.top};
    }

    HWND Control(Field f) const { return window_->Control(f); }
    HWND Control(Button b) const { return window_->Control(b); }
    void Focus(Field f) {
        SetFocus(Control(f));
        Pump();
    }
    // A failed press of the report table: its inputs in a fresh window, its
    // button's access key pressed from the time constant.
    void PressCase(const test::ReportCase& c) {
        Open(c.separator);
        boxes.clear();
        for (const std::string& pair : c.inputs) {
            const std::size_t eq = pair.find('=');
            form_->SetText(*FieldByName(pair.substr(0, eq)), pair.substr(eq + 1));
        }
        Focus(Field::TimeConstText);
        PressAccessKey(c.button);
    }
    void Set(const std::vector<std::pair<Field, const char*>>& texts) {
        for (const auto& [f, t] : texts) form_->SetText(f, t);
    }
    void FillValid() {
        Set({{Field::WavelengthText, "0.21"}, {Field::DiameterText, "2"}, {Field::SysTempText, "100"},
             {Field::BandwidthText, "1"}, {Field::TimeConstText, "1"}, {Field::AEfficiencyText, "50"},
             {Field::SysEfficiencyText, "10"}, {Field::FreqText, "1420"}});
    }
    // The whole text selected (start and end of the selection).
    std::pair<DWORD, DWORD> Selection(Field f) const {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(Control(f), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    // The first character stands at the left of the formatting rectangle.
    bool ShowsItsStart(HWND edit) const {
        RECT format{};
        SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const auto at = static_cast<DWORD>(SendMessageW(edit, EM_POSFROMCHAR, 0, 0));
        return static_cast<short>(LOWORD(at)) == format.left;
    }

    std::unique_ptr<view::Session> session_;
    Form1* form_ = nullptr;  // the session's
    std::unique_ptr<Form1Window> window_;
    HHOOK hook_ = nullptr;
    bool quitSeen_ = false;
};

// The dots per inch the runner set up for the display; without one, the
// system's own.
UINT ExpectedDpi() {
    const char* dpi = std::getenv("ARDELIN_TEST_DPI");
    return dpi != nullptr ? static_cast<UINT>(std::atoi(dpi)) : GetDpiForSystem();
}

TEST_F(Win32Window, WindowControlsAndGeometryFromTheDescription) {
    const HWND hwnd = window_->Handle();
    EXPECT_EQ(TextOf(hwnd), L"Ardelin");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT, 0);
    EXPECT_EQ(GetDlgItem(hwnd, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(hwnd, IDCANCEL), nullptr);
    ASSERT_EQ(GetDpiForWindow(hwnd), ExpectedDpi());

    const view::Layout& layout = window_->Layout();
    EXPECT_GE(layout.scale, ExpectedDpi() / 96.0);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, layout.client.width);
    EXPECT_EQ(client.bottom, layout.client.height);
    EXPECT_EQ(layout.client, (view::Size{view::Scaled(view::kClientTwips, layout.scale).width,
                                         view::Scaled(view::kClientTwips, layout.scale).height}));
    // The tooltips come with the mouse.
    EXPECT_EQ(FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr), nullptr);
    SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(Control(Field::DiameterText)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    ASSERT_NE(tips, nullptr);
    int toolsExpected = 0;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Control& c = kControls[i];
        const HWND control = GetDlgItem(hwnd, kFirstControlId + static_cast<int>(i));
        ASSERT_NE(control, nullptr) << view::Name(c);
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ((view::Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}), view::Scaled(c.place, layout.scale))
            << view::Name(c);
        wchar_t className[16] = {};
        GetClassNameW(control, className, 16);
        const bool isField = std::holds_alternative<Field>(c.which);
        EXPECT_EQ(std::wstring(className), isField ? L"Edit" : L"Button") << view::Name(c);
        if (!isField) {
            EXPECT_EQ(Narrow(TextOf(control)), c.caption);
        }
        if (!c.toolTip.empty()) {
            ++toolsExpected;
            wchar_t tip[128] = {};
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = hwnd;
            tool.uId = reinterpret_cast<UINT_PTR>(control);
            tool.lpszText = tip;
            SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
            EXPECT_EQ(Narrow(tip), c.toolTip) << view::Name(c);
        }
    }
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), toolsExpected);
}

// Screen readers: the names are set through Windows' annotation service the
// first time an accessibility client asks. Wine stubs the service, so this
// shows only that the names are asked for, not what a reader hears.
TEST_F(Win32Window, FirstAccessibilityRequestNamesTheControls) {
    BOOL screenReader = FALSE;
    SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0);
    EXPECT_EQ(window_->AnnotatedForScreenReaders(), screenReader != FALSE);
    SendMessageW(Control(Button::Command1), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    EXPECT_TRUE(window_->AnnotatedForScreenReaders());
}

// The live-region changes raised in this process, by the field they concern.
std::vector<HWND> liveChanges;
void CALLBACK RecordLiveChange(HWINEVENTHOOK /*hook*/, DWORD event, HWND hwnd, LONG object, LONG child,
                               DWORD /*thread*/, DWORD /*time*/) {
    if (event == EVENT_OBJECT_LIVEREGIONCHANGED && object == OBJID_CLIENT && child == CHILDID_SELF) {
        liveChanges.push_back(hwnd);
    }
}

// Where the focus was as the last button's click reached the window (the
// dialog manager's access keys move it to the button first).
HWND focusAtPress = nullptr;
LRESULT CALLBACK WatchPresses(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_COMMAND && HIWORD(sent->wParam) == BN_CLICKED) {
        focusAtPress = GetFocus();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Each result a press writes is told to screen readers as a change of its
// field, a live region: a press raises that on exactly the fields it wrote,
// a failed press on none, and the focus stays where it was at the press.
TEST_F(Win32Window, EachResultIsAnnouncedInItsField) {
    struct Listeners {
        HWINEVENTHOOK changes;
        HHOOK presses;
        ~Listeners() {
            UnhookWinEvent(changes);
            UnhookWindowsHookEx(presses);
        }
    };
    const Listeners listeners{SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                                              RecordLiveChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT),
                              SetWindowsHookExW(WH_CALLWNDPROC, WatchPresses, nullptr, GetCurrentThreadId())};
    ASSERT_NE(listeners.changes, nullptr);
    ASSERT_NE(listeners.presses, nullptr);
    struct Case {
        const char* name;
        std::vector<std::pair<Field, const char*>> changes;  // made before the press
        view::ControlIndex from;                            // the focus at the press
        Button button;
        std::vector<Field> announced;
    };
    // In the worked examples' order, on one form: each press finds the
    // results of the ones before.
    const Case cases[] = {
        {"Convert", {}, view::IndexOf(Field::FreqText), Button::Command3, {Field::WavelengthText}},
        {"Beam Width", {}, view::IndexOf(Field::DiameterText), Button::Command1, {Field::BeamwidthText}},
        {"Lower limit, from its own result", {}, view::IndexOf(Field::LowerLimitText), Button::Command2,
         {Field::DTText, Field::LowerLimitText}},
        {"Lower limit again, from its button", {}, view::IndexOf(Button::Command2), Button::Command2,
         {Field::DTText, Field::LowerLimitText}},
        {"Beam Width, failed", {{Field::DiameterText, "0"}}, view::IndexOf(Field::SysTempText), Button::Command1, {}},
        {"Convert, failed", {{Field::FreqText, ""}}, view::IndexOf(Field::SysTempText), Button::Command3, {}},
    };
    for (const std::string_view input : test::kWorkedInputs) {
        const std::size_t eq = input.find('=');
        form_->SetText(*FieldByName(std::string(input.substr(0, eq))), std::string(input.substr(eq + 1)));
    }
    const auto names = [](const std::vector<HWND>& controls) {
        std::vector<std::string> seen(controls.size());
        std::transform(controls.begin(), controls.end(), seen.begin(), NameOf);
        std::sort(seen.begin(), seen.end());
        return seen;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Set(c.changes);
        const HWND from = GetDlgItem(window_->Handle(), kFirstControlId + static_cast<int>(c.from));
        SetFocus(from);
        Pump();
        boxes.clear();
        liveChanges.clear();
        focusAtPress = nullptr;
        PressAccessKey(c.button);
        std::vector<HWND> expected;
        for (const Field f : c.announced) expected.push_back(Control(f));
        EXPECT_EQ(names(liveChanges), names(expected));
        EXPECT_EQ(boxes.size(), c.announced.empty() ? 1U : 0U);
        ASSERT_NE(focusAtPress, nullptr);
        if (!c.announced.empty()) {
            EXPECT_EQ(NameOf(GetFocus()), NameOf(focusAtPress));
        }
    }
}

TEST_F(Win32Window, TabOrderFollowsTheTable) {
    HWND at = Control(Field::DiameterText);
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        at = GetNextDlgTabItem(window_->Handle(), at, FALSE);
        seen.push_back(NameOf(at));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"WavelengthText", "SysTempText", "BandwidthText", "TimeConstText",
                                              "AEfficiencyText", "SysEfficiencyText", "Command1", "BeamwidthText",
                                              "Command2", "LowerLimitText", "DTText", "FreqText", "Command3",
                                              "DiameterText"}));
    EXPECT_EQ(NameOf(GetNextDlgTabItem(window_->Handle(), Control(Field::DiameterText), TRUE)), "Command3");
}

// At start the diameter's prompt has the focus, selected: the first key
// typed replaces it. Tab and Shift+Tab select a prompt from its start too.
TEST_F(Win32Window, PromptsGiveWayToTyping) {
    EXPECT_EQ(GetFocus(), Control(Field::DiameterText));
    EXPECT_EQ(Selection(Field::DiameterText), (std::pair<DWORD, DWORD>{0, 20}));
    Type(L"2");
    EXPECT_EQ(form_->Text(Field::DiameterText), "2");
    Keys({VK_TAB});
    EXPECT_EQ(GetFocus(), Control(Field::WavelengthText));
    EXPECT_EQ(Selection(Field::WavelengthText), (std::pair<DWORD, DWORD>{0, 14}));
    Keys({VK_TAB});
    Keys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), Control(Field::WavelengthText));
    Type(L"0.21");
    EXPECT_EQ(form_->Text(Field::WavelengthText), "0.21");
    // A text longer than its field keeps its start in view on Tab, and after leaving.
    form_->SetText(Field::LowerLimitText, std::string(60, '9') + " Janskies");
    Focus(Field::BeamwidthText);
    Keys({VK_TAB});
    Keys({VK_TAB});
    ASSERT_EQ(GetFocus(), Control(Field::LowerLimitText));
    EXPECT_EQ(Selection(Field::LowerLimitText), (std::pair<DWORD, DWORD>{0, 69}));
    EXPECT_TRUE(ShowsItsStart(Control(Field::LowerLimitText)));
    Keys({VK_END});
    EXPECT_FALSE(ShowsItsStart(Control(Field::LowerLimitText)));
    Keys({VK_TAB});
    EXPECT_TRUE(ShowsItsStart(Control(Field::LowerLimitText)));
}

TEST_F(Win32Window, AccessKeysPressFromAnywhereEnterAndEscapeNothing) {
    struct Case {
        WORD key;
        Field result;
        const char* expected;
    };
    const Case cases[] = {{'B', Field::BeamwidthText, "6.3 degrees"},
                          {'L', Field::LowerLimitText, "2818 Janskies"},
                          {'C', Field::WavelengthText, "0.2112676"}};
    for (const Case& c : cases) {
        for (const Field from : {Field::FreqText, Field::SysEfficiencyText, Field::DTText}) {
            FillValid();
            Set({{Field::BeamwidthText, ""}, {Field::LowerLimitText, ""}});
            Focus(from);
            for (const WORD key : {WORD{VK_RETURN}, WORD{VK_ESCAPE}}) Keys({key});
            EXPECT_EQ(form_->Text(c.result), c.result == Field::WavelengthText ? "0.21" : "");
            Keys({VK_MENU, c.key});
            EXPECT_EQ(form_->Text(c.result), c.expected) << char(c.key);
            EXPECT_EQ(Narrow(TextOf(Control(c.result))), c.expected);
        }
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_NE(IsWindowVisible(window_->Handle()), FALSE);
}

TEST_F(Win32Window, WorkedExamplesTypedIn) {
    Focus(Field::FreqText);
    Type(L"1420");
    Keys({VK_MENU, 'C'});
    EXPECT_EQ(Narrow(TextOf(Control(Field::WavelengthText))), "0.2112676");
    Focus(Field::DiameterText);
    Type(L"2");
    Keys({VK_MENU, 'B'});
    EXPECT_EQ(Narrow(TextOf(Control(Field::BeamwidthText))), "6.338028 degrees");
    Set({{Field::SysTempText, "100"}, {Field::BandwidthText, "1"}, {Field::TimeConstText, "1"},
         {Field::AEfficiencyText, "50"}, {Field::SysEfficiencyText, "10"}});
    Keys({VK_MENU, 'L'});
    EXPECT_EQ(Narrow(TextOf(Control(Field::DTText))), "0.03162277 kelvin");
    EXPECT_EQ(Narrow(TextOf(Control(Field::LowerLimitText))), "2818 Janskies");
    EXPECT_TRUE(ShowsItsStart(Control(Field::LowerLimitText)));
}

// One failure of each kind from the report table: the report, owned by the
// window and titled Ardelin, says what the table says; the input to change
// gets the focus, selected, or the focus goes back where it was.
TEST_F(Win32Window, EachKindOfFailureIsReported) {
    for (const test::ReportCase& c : test::OneReportOfEachKind()) {
        SCOPED_TRACE(c.name);
        PressCase(c);
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].title, L"Ardelin");
        EXPECT_EQ(Narrow(boxes[0].text), c.text);
        if (c.focus.empty()) {
            EXPECT_EQ(GetFocus(), boxes[0].hadFocus);
            continue;
        }
        const Field focus = FieldByName(c.focus).value();
        EXPECT_EQ(GetFocus(), Control(focus));
        const auto length = static_cast<DWORD>(GetWindowTextLengthW(Control(focus)));
        EXPECT_EQ(Selection(focus), (std::pair<DWORD, DWORD>{0, length}));
    }
}

// Every prompt, caption and result, up to the longest, whole in its control
// at this display's dots per inch.
TEST_F(Win32Window, EveryTextWhole) {
    const HDC dc = GetDC(window_->Handle());
    const HGDIOBJ previous = SelectObject(dc, window_->Font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    for (const Button b : kAllButtons) {
        SIZE ideal{};
        SendMessageW(Control(b), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
        RECT r{};
        GetClientRect(Control(b), &r);
        EXPECT_LE(ideal.cx, r.right) << Info(b).name;
        EXPECT_LE(ideal.cy, r.bottom) << Info(b).name;
    }
    for (const char* number : {"-0.0001234568", "-1.234568E-05", "-1.234568E+07", "2818"}) {
        Set({{Field::WavelengthText, number}});
        form_->SetText(Field::BeamwidthText, std::string(number) + " degrees");
        form_->SetText(Field::DTText, std::string(number) + " kelvin");
        form_->SetText(Field::LowerLimitText, std::string(number) + " Janskies");
        if (std::string(number) == "2818") {
            form_->SetText(Field::WavelengthText, "Wavelength (m)");
        }
        for (const Field f : kAllFields) {
            const HWND edit = Control(f);
            const std::wstring text = TextOf(edit);
            // The caret at the end scrolls nothing: the first character stays in place.
            SendMessageW(edit, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
            SendMessageW(edit, EM_SCROLLCARET, 0, 0);
            EXPECT_TRUE(ShowsItsStart(edit)) << Info(f).name << " scrolls to show " << Narrow(text);
            SIZE extent{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            RECT format{};
            SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            EXPECT_LE(extent.cx, format.right - format.left) << Info(f).name << ": " << Narrow(text);
            EXPECT_LE(metrics.tmHeight, format.bottom - format.top) << Info(f).name;
            SendMessageW(edit, EM_SETSEL, 0, 0);
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(window_->Handle(), dc);
}

// A megabyte pasted arrives whole, so a long number is never cut into another
// (the EDIT keeps 30,000 characters unless told otherwise).
TEST_F(Win32Window, MegabytePasteArrivesWhole) {
    struct Case {
        std::wstring pasted;
        const char* wavelength;  // nullptr: conversion report
    };
    // A megabyte of letters; and a number longer than the EDIT's own limit,
    // kept shorter than a megabyte because Wine's text shaping takes time
    // that grows with the square of a run of digits.
    const Case cases[] = {{std::wstring(1 << 20, L'x'), nullptr},
                          {L"0." + std::wstring(40000, L'0') + L"3e40001", "100"}};
    for (const Case& c : cases) {
        boxes.clear();
        // What a paste does: the selection replaced by the text, under the field's limit.
        Focus(Field::FreqText);
        SendMessageW(Control(Field::FreqText), EM_SETSEL, 0, -1);
        SendMessageW(Control(Field::FreqText), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.pasted.c_str()));
        Pump();
        EXPECT_EQ(static_cast<std::size_t>(GetWindowTextLengthW(Control(Field::FreqText))), c.pasted.size());
        EXPECT_EQ(form_->Text(Field::FreqText).size(), c.pasted.size());
        form_->SetText(Field::WavelengthText, "Wavelength (m)");
        Keys({VK_MENU, 'C'});
        if (c.wavelength == nullptr) {
            ASSERT_EQ(boxes.size(), 1U);
            EXPECT_TRUE(IsNotANumberInFreq(boxes[0].text)) << Narrow(boxes[0].text);
            EXPECT_EQ(form_->Text(Field::WavelengthText), "Wavelength (m)");
        } else {
            EXPECT_EQ(form_->Text(Field::WavelengthText), c.wavelength);
            EXPECT_TRUE(boxes.empty());
        }
    }
}

// A lone surrogate in a field is no number: a conversion report, no crash.
TEST_F(Win32Window, InvalidUtf16IsAConversionError) {
    SetWindowTextW(Control(Field::FreqText), L"14\xD800" L"20");
    Pump();
    Keys({VK_MENU, 'C'});
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(IsNotANumberInFreq(boxes[0].text)) << Narrow(boxes[0].text);
    EXPECT_EQ(form_->Text(Field::WavelengthText), "Wavelength (m)");
    EXPECT_EQ(TextOf(Control(Field::FreqText)), L"14\xD800" L"20");  // the user's text stays as typed
}

TEST_F(Win32Window, BothDecimalSeparators) {
    EXPECT_EQ(DecimalSeparatorOf(L"en-US"), '.');
    EXPECT_EQ(DecimalSeparatorOf(L"de-DE"), ',');
    EXPECT_EQ(DecimalSeparatorOf(L"fr-FR"), ',');
    EXPECT_EQ(DecimalSeparatorOf(L"ja-JP"), '.');
    Open(',');
    Type(L"2");
    Focus(Field::WavelengthText);
    Type(L"0,21");
    Keys({VK_MENU, 'B'});
    EXPECT_EQ(Narrow(TextOf(Control(Field::BeamwidthText))), "6,3 degrees");
    Focus(Field::WavelengthText);
    SendMessageW(Control(Field::WavelengthText), EM_SETSEL, 0, -1);
    Type(L"0.21");
    Keys({VK_MENU, 'B'});
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_NE(boxes[0].text.find(L"it is written \u201C0,21\u201D"), std::wstring::npos);
}

// Closing the window ends its loop; another window of the thread closing
// before it (as in a test, or a second form) leaves the loop running.
TEST_F(Win32Window, ClosingEndsTheProgram) {
    view::Session other('.');
    auto second = std::make_unique<Form1Window>(other);
    PostMessageW(second->Handle(), WM_CLOSE, 0, 0);
    PostMessageW(window_->Handle(), WM_CLOSE, 0, 0);
    window_->RunUntilClosed();
    EXPECT_EQ(second->Handle(), nullptr);
    EXPECT_EQ(window_->Handle(), nullptr);
    MSG quit{};
    EXPECT_EQ(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), FALSE) << "a window posted the quit";
}

}  // namespace
}  // namespace ardelin::win32

namespace ardelin::win32 {
namespace {

// In German, Japanese and Hebrew: the window shows that language's texts,
// each whole; the worked examples give English's digits with that
// language's units through its access keys; a report shows whole; Hebrew shows the table in a mirror, tab order unchanged.
TEST_F(Win32Window, InEachLanguage) {
    struct EnglishAfter {
        ~EnglishAfter() { view::UseLanguage("en"); }
    } englishAfter;
    constexpr std::array<std::string_view, 3> languages{"de", "ja", "he"};
    for (const std::string_view& code : languages) {
        SCOPED_TRACE(std::string(code));
        view::UseLanguage(code);
        Open(',');
        for (const Button b : kAllButtons) {
            EXPECT_EQ(Narrow(TextOf(Control(b))), view::Caption(b));
            SIZE ideal{};
            SendMessageW(Control(b), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
            RECT r{};
            GetClientRect(Control(b), &r);
            EXPECT_LE(ideal.cx, r.right) << Info(b).name;
        }
        EXPECT_EQ(Narrow(TextOf(Control(Field::DiameterText))), view::Prompt(Field::DiameterText));
        const HDC dc = GetDC(window_->Handle());
        const HGDIOBJ previous = SelectObject(dc, window_->Font());
        for (const view::Control& c : kControls) {
            const Field* field = std::get_if<Field>(&c.which);
            for (const std::string& text : field != nullptr ? view::TextsToShow(c, ',', '0') : std::vector<std::string>{}) {
                const std::wstring wide = Widen(text);
                SIZE extent{};
                GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
                RECT format{};
                SendMessageW(Control(*field), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
                EXPECT_LE(extent.cx, format.right - format.left) << text;
            }
        }
        SelectObject(dc, previous);
        ReleaseDC(window_->Handle(), dc);

        for (const std::string_view input : test::kWorkedInputs) {
            const std::size_t eq = input.find('=');
            form_->SetText(*FieldByName(std::string(input.substr(0, eq))), std::string(input.substr(eq + 1)));
        }
        Focus(Field::SysTempText);
        for (const Button b : {Button::Command3, Button::Command1, Button::Command2}) PressAccessKey(b);
        for (const test::WorkedResult& r : test::kWorkedResults) {
            EXPECT_EQ(Narrow(TextOf(Control(r.field))),
                      std::string(r.digits) + std::string(r.unit.empty() ? "" : view::Tr(r.unit)));
        }

        // A report as the session gives it, whole; each language a different kind.
        const std::vector<test::ReportCase> kinds = test::OneReportOfEachKind();
        const test::ReportCase& c = kinds[static_cast<std::size_t>(&code - languages.data()) % kinds.size()];
        PressCase(c);
        ASSERT_EQ(boxes.size(), 1U) << c.name;
        EXPECT_EQ(Narrow(boxes[0].text), test::ReportAfter(c).value().text);

        const view::Layout& layout = window_->Layout();
        const bool mirrored = code == "he";
        const auto rtl = [](HWND w) { return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; };
        EXPECT_EQ(rtl(window_->Handle()), mirrored);
        EXPECT_EQ(rtl(Control(Button::Command1)), mirrored);  // a caption reads from the right
        EXPECT_FALSE(rtl(Control(Field::FreqText)));          // a number from the left
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            const view::Rect& r = layout.rects[i];
            EXPECT_EQ(Seen(GetDlgItem(window_->Handle(), kFirstControlId + static_cast<int>(i))), (view::Rect{mirrored ? layout.client.width - r.left - r.width : r.left, r.top,
                                                     r.width, r.height}))
                << view::Name(kControls[i]);
        }
    }
}

}  // namespace
}  // namespace ardelin::win32
