// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/win32/form1_window.hpp"

#include <commctrl.h>
#include <initguid.h>  // the accessibility GUIDs, defined here once
#include <oleacc.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "window/view/catalogue.hpp"
#include "window/view/press.hpp"
#include "window/view/report.hpp"
#include "window/win32/text.hpp"

namespace ardelin::win32 {
namespace {

using view::kControls;

constexpr wchar_t kClassName[] = L"ArdelinForm1";
constexpr UINT_PTR kFieldSubclass = 1;
constexpr UINT_PTR kButtonSubclass = 1;

// The control with this identifier, by its place in the tab order.
std::optional<view::ControlIndex> IndexOfControl(HWND control) {
    const int id = GetDlgCtrlID(control) - kFirstControlId;
    if (id < 0 || id >= static_cast<int>(kControls.size())) {
        return std::nullopt;
    }
    return static_cast<view::ControlIndex>(id);
}

// Nothing selected, the caret at the start and the start in view.
void CaretAtStart(HWND edit) {
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// What an EDIT adds around its text, across and down: its frame and margins,
// the outside of its formatting rectangle. The same for every field, and
// independent of the size; measured on `edit` at a probe size.
view::Size EditFrame(HWND edit) {
    SetWindowPos(edit, nullptr, 0, 0, 400, 100, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    RECT window{};
    RECT client{};
    RECT format{};
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return {(window.right - window.left) - (format.right - format.left),
            (window.bottom - window.top) - (client.bottom - client.top) + 2 * format.top};
}

// The pixel size at which an EDIT with `frame` shows each of `texts` whole,
// unscrolled: the widest text in its formatting rectangle with room for the
// caret, and a line of the font in height.
view::Size EditNeeds(view::Size frame, HDC dc, const std::vector<std::string>& texts) {
    int widest = 0;
    for (const std::string& t : texts) {
        widest = std::max(widest, TextWidth(dc, Widen(t)));
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    constexpr int kCaret = 2;  // the caret after the last character, and a pixel to spare
    return {frame.width + widest + kCaret, frame.height + metrics.tmHeight};
}

// The size at which a button shows its caption whole, the access key's
// underline included: the system's own ideal size.
view::Size ButtonNeeds(HWND button, HDC dc) {
    SIZE ideal{};
    if (SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != FALSE && ideal.cx > 0) {
        return {ideal.cx, ideal.cy};
    }
    // Without visual styles: the caption and the button's edges and focus rectangle.
    const std::wstring caption = ControlText(button);
    RECT r{};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    const int edge = 2 * (GetSystemMetrics(SM_CXEDGE) + 3);
    return {r.right - r.left + edge, r.bottom - r.top + edge};
}

}  // namespace

namespace {

// ole32 and COM on this thread for as long as the object lives. COM is
// loaded on first need, not with the program: ole32 would otherwise be
// loaded before every first paint.
class ComScope {
public:
    ComScope() : ole32_(LoadLibraryW(L"ole32.dll")) {
        const auto initialize = Function<decltype(&CoInitializeEx)>("CoInitializeEx");
        initialized_ = initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~ComScope() {
        if (initialized_) {
            Function<decltype(&CoUninitialize)>("CoUninitialize")();
        }
        if (ole32_ != nullptr) {
            FreeLibrary(ole32_);
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

    template <typename F>
    [[nodiscard]] F Function(const char* name) const {
        return ole32_ == nullptr ? nullptr : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(ole32_, name)));
    }

private:
    HMODULE ole32_;
    bool initialized_ = false;
};

// Windows' annotation service, handed to `use` with COM set up around it;
// nothing where the system lacks it.
template <typename Use>
void WithAnnotationService(Use use) {
    const ComScope com;
    const auto create = com.Function<decltype(&CoCreateInstance)>("CoCreateInstance");
    IAccPropServices* services = nullptr;
    if (create == nullptr || FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return;
    }
    use(*services);
    services->Release();
}

// UI Automation's LiveSetting property, which the annotation service takes
// by GUID (mingw's headers name only its property id), and its Polite value.
constexpr GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

}  // namespace

void SetAccessibleNames(const std::array<HWND, view::kControlCount>& controls, const view::Language& language) {
    WithAnnotationService([&controls, &language](IAccPropServices& services) {
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            const std::wstring name = Widen(view::AccessibleName(kControls[i], language));
            (void)services.SetHwndPropStr(controls[i], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          PROPID_ACC_NAME, name.c_str());
            if (const std::string_view tip = view::ToolTip(kControls[i], language); !tip.empty()) {
                const std::wstring description = Widen(tip);
                (void)services.SetHwndPropStr(controls[i], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                              PROPID_ACC_DESCRIPTION, description.c_str());
            }
        }
    });
}

void SetPoliteLiveRegion(HWND control) {
    WithAnnotationService([control](IAccPropServices& services) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        (void)services.SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty,
                                   polite);
    });
}

void SelectFromStart(HWND edit) {
    const auto length = static_cast<WPARAM>(GetWindowTextLengthW(edit));
    // The caret goes to the second position: the start.
    SendMessageW(edit, EM_SETSEL, length, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

Form1Window::Form1Window(view::Session& session) : session_(session) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kClassName, &windowClass) == FALSE) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                            GetSystemMetrics(SM_CXSMICON),
                                                            GetSystemMetrics(SM_CYSMICON), 0));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        RegisterClassExW(&windowClass);
    }
    // WS_EX_CONTROLPARENT: the dialog manager's Tab walks into the children.
    // WS_EX_LAYOUTRTL, for a language read from the right: the window and its
    // children mirrored by the system, its client coordinates counted from
    // the right, so that the table's places show in a mirror.
    // WM_NCCREATE hands the handle to hwnd_, which owns it from then on.
    CreateWindowExW(WS_EX_CONTROLPARENT | (session_.Lang().RightToLeft() ? WS_EX_LAYOUTRTL : 0), kClassName, Widen(view::kTitle).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (Handle() == nullptr) {
        throw std::runtime_error("the Ardelin window could not be created");
    }
    CreateControls();
    ApplyLayout();
    // Texts written into the form outside a press show as a press's do.
    session_.SetDisplay([this](const view::Effects& effects) { Apply(effects); });  // last: nothing after it can throw
}

Form1Window::~Form1Window() {
    session_.SetDisplay({});
    hwnd_.reset();  // while the controls' last messages can still reach a whole window
}

void Form1Window::WindowCloser::operator()(HWND hwnd) const noexcept {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);  // its messages no longer reach the owner
    DestroyWindow(hwnd);
}

HFONT Form1Window::Font() const {
    return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Form1Window::CreateControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Control& c = kControls[i];
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i)));
        HWND control = nullptr;
        if (const Field* field = std::get_if<Field>(&c.which)) {
            control = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", Widen(session_.Form().Text(*field)).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0, 0, 0, 0, Handle(),
                                      id, instance, nullptr);
            SendMessageW(control, EM_SETLIMITTEXT, view::kFieldMaxLength, 0);  // else 30,000
            // In a mirrored window a field keeps its own left-to-right layout, so
            // that "-6.3" never shows as "6.3-"; the buttons' captions read from the right.
            SetWindowLongPtrW(control, GWL_EXSTYLE, GetWindowLongPtrW(control, GWL_EXSTYLE) & ~WS_EX_LAYOUTRTL);
            SetWindowSubclass(control, FieldProc, kFieldSubclass, reinterpret_cast<DWORD_PTR>(this));
            fields_[static_cast<std::size_t>(*field)] = control;
        } else {
            const Button button = std::get<Button>(c.which);
            control = CreateWindowExW(0, L"BUTTON", Widen(view::Caption(button, session_.Lang())).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, Handle(), id,
                                      instance, nullptr);
            SetWindowSubclass(control, ButtonProc, kButtonSubclass, reinterpret_cast<DWORD_PTR>(this));
            buttons_[static_cast<std::size_t>(button)] = control;
        }
        controls_[i] = control;
    }
    lastFocus_ = Control(Field::DiameterText);
    // Named for screen readers at once when one runs, else when an
    // accessibility client first asks (WM_GETOBJECT): COM stays out of the
    // start of a window nobody reads aloud.
    BOOL screenReader = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) != FALSE && screenReader != FALSE) {
        AnnotateForScreenReaders();
    }
}

void Form1Window::CreateToolTips() {
    if (toolTip_ != nullptr) {
        return;
    }
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    SendMessageW(toolTip_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Control& c = kControls[i];
        if (view::ToolTip(c, session_.Lang()).empty()) {
            continue;
        }
        std::wstring tip = Widen(view::ToolTip(c, session_.Lang()));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
        tool.lpszText = tip.data();  // copied by the tooltip control
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Form1Window::AnnotateForScreenReaders() {
    if (annotated_) {
        return;
    }
    annotated_ = true;
    SetAccessibleNames(controls_, session_.Lang());
}

void Form1Window::ApplyLayout() {
    UINT dpi = GetDpiForWindow(Handle());
    dpi = dpi == 0 ? USER_DEFAULT_SCREEN_DPI : dpi;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi) == FALSE) {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    }
    // A font that cannot be made keeps the one before, or the stock font.
    std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> created(CreateFontIndirectW(&metrics.lfMessageFont));
    const HFONT font = created ? created.get() : Font();
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (toolTip_ != nullptr) {
        SendMessageW(toolTip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (created) {
        font_ = std::move(created);  // the old font goes now that no control uses it
    }

    const HDC dc = GetDC(Handle());
    const HGDIOBJ previous = SelectObject(dc, font);
    const char widest = view::WidestDigit([dc](char d) { return TextWidth(dc, std::wstring(1, wchar_t(d))); });
    const view::Size editFrame = EditFrame(Control(Field::DiameterText));
    std::array<view::Size, view::kControlCount> needed{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const view::Control& c = kControls[i];
        needed[i] = std::holds_alternative<Field>(c.which)
                        ? EditNeeds(editFrame, dc, view::TextsToShow(c, session_.Form().DecimalSeparator(), widest, session_.Lang()))
                        : ButtonNeeds(controls_[i], dc);
    }
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);

    layout_ = view::LayOut(needed, static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI);
    constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;
    HDWP positions = BeginDeferWindowPos(static_cast<int>(kControls.size()));  // all in one move
    for (std::size_t i = 0; i < kControls.size() && positions != nullptr; ++i) {
        const view::Rect& r = layout_.rects[i];
        positions = DeferWindowPos(positions, controls_[i], nullptr, r.left, r.top, r.width, r.height, kPlace);
    }
    if (positions == nullptr || EndDeferWindowPos(positions) == FALSE) {
        // The one move failed (and freed its list): place the controls one by one.
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            const view::Rect& r = layout_.rects[i];
            SetWindowPos(controls_[i], nullptr, r.left, r.top, r.width, r.height, kPlace);
        }
    }
    RECT frame{0, 0, layout_.client.width, layout_.client.height};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), dpi);
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Form1Window::Show(int showCommand) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    Apply(session_.Start());
}

void Form1Window::RunUntilClosed() {
    MSG message{};
    while (Handle() != nullptr && GetMessageW(&message, nullptr, 0, 0) > 0) {
        HandleMessage(message);
    }
}

void Form1Window::HandleMessage(MSG& message) {
    if (IsDialogMessageW(Handle(), &message) == FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK Form1Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_.reset(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        (void)self->hwnd_.release();  // destroyed: nothing left to own
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam) - kFirstControlId;
            if (id < 0 || id >= static_cast<int>(kControls.size())) {
                return 0;  // IDOK and IDCANCEL from Enter and Escape: nothing to press or close
            }
            const view::Control& c = kControls[static_cast<std::size_t>(id)];
            if (const Button* button = std::get_if<Button>(&c.which); button != nullptr && HIWORD(wParam) == BN_CLICKED) {
                Apply(session_.Press(*button));
            } else if (const Field* field = std::get_if<Field>(&c.which);
                       field != nullptr && HIWORD(wParam) == EN_CHANGE) {
                // The session takes the person's text, and leaves alone the echo of one it showed.
                session_.TextEdited(*field, Narrow(ControlText(reinterpret_cast<HWND>(lParam))));
            }
            return 0;
        }
        case WM_ACTIVATE:
            // The focus leaves with the window and comes back where it was.
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus != nullptr && IsChild(Handle(), focus) != FALSE) {
                    lastFocus_ = focus;
                }
            } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) != FALSE) {
                const std::optional<view::FocusVia> via = std::exchange(via_, view::FocusVia::Window);
                SetFocus(lastFocus_);
                via_ = via;
            }
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ApplyLayout();
            return 0;
        }
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETNONCLIENTMETRICS) {
                ApplyLayout();  // a new message font
            }
            break;
        case WM_GETOBJECT: AnnotateForScreenReaders(); break;
        case WM_SETCURSOR:
            // The mouse has come over the window: from now on its controls
            // show their tooltips. Made here, not at start, where they would
            // cost a tenth of the time to the first paint.
            CreateToolTips();
            break;
        default: break;
    }
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

LRESULT CALLBACK Form1Window::FieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                        DWORD_PTR self) {
    auto* window = reinterpret_cast<Form1Window*>(self);
    const auto field = [edit] { return std::get<Field>(kControls.at(IndexOfControl(edit).value()).which); };
    switch (message) {
        case WM_GETOBJECT: window->AnnotateForScreenReaders(); break;
        case EM_SETSEL:
            // The dialog manager selects a field's whole text on Tab with the
            // caret at its end (as 0 to -1, or 0 to the length under Wine),
            // which scrolls a long text to its end: keep the start in view.
            if (wParam == 0 &&
                (static_cast<INT>(lParam) == -1 || (lParam > 0 && lParam >= GetWindowTextLengthW(edit)))) {
                SelectFromStart(edit);
                return 0;
            }
            break;
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            window->Apply(window->session_.FocusIn(view::IndexOf(field()), window->ComingVia()));
            return result;
        }
        case WM_KILLFOCUS:
            // Applied while the caret is still here, so that a field left
            // for another control scrolls back to its start.
            window->Apply(window->session_.FocusOut(field(), window->GoingTo(edit, reinterpret_cast<HWND>(wParam))));
            break;
        case WM_LBUTTONDOWN: {
            view::Session::PressAnswer answer = window->session_.PrimaryPress(field());
            window->Apply(answer.effects);
            if (answer.swallow) {
                return 0;
            }
            break;
        }
        case WM_NCDESTROY: RemoveWindowSubclass(edit, FieldProc, kFieldSubclass); break;
        default: break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

// A button's additions: the first accessibility request names every
// control, and the session hears of the focus coming in, so that it knows
// where the focus was when a report opens.
LRESULT CALLBACK Form1Window::ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                         DWORD_PTR self) {
    auto* window = reinterpret_cast<Form1Window*>(self);
    switch (message) {
        case WM_GETOBJECT: window->AnnotateForScreenReaders(); break;
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
            window->Apply(window->session_.FocusIn(IndexOfControl(button).value(), window->ComingVia()));
            return result;
        }
        case WM_NCDESTROY: RemoveWindowSubclass(button, ButtonProc, kButtonSubclass); break;
        default: break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

view::FocusVia Form1Window::ComingVia() const {
    if (via_) {
        return *via_;
    }
    const auto down = [](int key) { return GetKeyState(key) < 0; };
    if (down(VK_TAB)) {
        return view::FocusVia::Key;
    }
    if (down(VK_MENU)) {
        return view::FocusVia::Shortcut;
    }
    if (down(VK_LBUTTON) || down(VK_RBUTTON) || down(VK_MBUTTON)) {
        return view::FocusVia::Pointer;
    }
    return view::FocusVia::Program;
}

view::FocusTo Form1Window::GoingTo(HWND edit, HWND to) const {
    if (session_.ReportOpen()) {
        return view::FocusTo::Report;
    }
    // Another control of the form, or none while the window stays active;
    // else the window is giving the focus up to another window.
    const bool withinForm = to != nullptr ? GetParent(to) == GetParent(edit) : GetActiveWindow() == Handle();
    return withinForm ? view::FocusTo::Control : view::FocusTo::OtherWindow;
}

void Form1Window::Apply(const view::Effects& effects) {
    for (const view::Effect& effect : effects) {
        if (const auto* show = std::get_if<view::ShowText>(&effect)) {
            // A new text shows from its start. Its EN_CHANGE echo reaches the
            // session, which already holds the text.
            const HWND edit = Control(show->field);
            SetWindowTextW(edit, Widen(show->text).c_str());
            CaretAtStart(edit);
        } else if (const auto* select = std::get_if<view::SelectFromStart>(&effect)) {
            SelectFromStart(Control(select->field));
        } else if (const auto* caret = std::get_if<view::CaretAtStart>(&effect)) {
            CaretAtStart(Control(caret->field));
        } else if (const auto* move = std::get_if<view::MoveFocus>(&effect)) {
            const std::optional<view::FocusVia> via = std::exchange(via_, view::FocusVia::Program);
            SetFocus(controls_.at(move->control));
            via_ = via;
        } else if (const auto* report = std::get_if<view::ShowReport>(&effect)) {
            Report(report->report);
        } else if (const auto* speak = std::get_if<view::Speak>(&effect)) {
            Speak(speak->field);
        }
    }
}

void Form1Window::Report(const view::Report& report) {
    MessageBoxW(Handle(), Widen(report.text).c_str(), Widen(view::kTitle).c_str(),
                MB_OK | (report.unexpected ? MB_ICONERROR : MB_ICONWARNING) |
                    (session_.Lang().RightToLeft() ? MB_RTLREADING | MB_RIGHT : 0));
    Apply(session_.ReportClosed());
}

void Form1Window::Speak(Field field) {
    // A live region's change is read out as the field's accessible name and
    // its new text, which is what the session says of a result.
    const HWND edit = Control(field);
    if (bool& live = live_[static_cast<std::size_t>(field)]; !live) {
        live = true;
        SetPoliteLiveRegion(edit);  // COM on the first result, not at start
    }
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, edit, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace ardelin::win32
