// SPDX-License-Identifier: GPL-3.0-or-later
// The Ardelin window on Windows: the system's own EDIT and BUTTON controls,
// tooltips and message box over a session, laid out from the window's
// description. The window delivers what the person does (edits, the focus
// coming and going, presses) to the session and applies the effects it
// answers with; the session's form holds every field's text.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <type_traits>

#include "model/form1.hpp"
#include "window/view/controls.hpp"
#include "window/view/layout.hpp"
#include "window/view/session.hpp"

namespace ardelin::win32 {

// Control identifiers start here, so that IDOK and IDCANCEL, which the
// dialog manager sends for Enter and Escape, belong to no control.
inline constexpr int kFirstControlId = 100;

class Form1Window {
public:
    // Creates the window, hidden, with every control in tab order, showing
    // the session's form.
    explicit Form1Window(view::Session& session);
    ~Form1Window();
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Shows the window with the focus where the session starts it: the first
    // field, its prompt selected.
    void Show(int showCommand);

    // The program's loop, until this window is closed; other windows of the
    // thread closing leave it running.
    void RunUntilClosed();

    // nullptr once the window is closed.
    [[nodiscard]] HWND Handle() const { return hwnd_.get(); }
    [[nodiscard]] HWND Control(Field field) const { return fields_[static_cast<std::size_t>(field)]; }
    [[nodiscard]] HWND Control(Button button) const { return buttons_[static_cast<std::size_t>(button)]; }
    [[nodiscard]] const view::Layout& Layout() const { return layout_; }
    // The system's message font, or the stock GUI font where it could not be made.
    [[nodiscard]] HFONT Font() const;

    // Names every control for screen readers, once: at start when a screen
    // reader runs, else at the first accessibility request (WM_GETOBJECT).
    void AnnotateForScreenReaders();
    [[nodiscard]] bool AnnotatedForScreenReaders() const { return annotated_; }

    // One message of the program's loop: the dialog manager's keys first
    // (Tab, Shift+Tab, Alt+B/L/C), then translation and dispatch.
    void HandleMessage(MSG& message);

private:
    // Destroys the window without calling back into its half-gone owner.
    struct WindowCloser {
        void operator()(HWND hwnd) const noexcept;
    };
    struct FontDeleter {
        void operator()(HFONT font) const noexcept { DeleteObject(font); }
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    // A tooltip control with one tool for each control that has a tip.
    void CreateToolTips();
    // The system's message font at the window's dots per inch, the scale at
    // which every text fits whole, and every control placed.
    void ApplyLayout();
    // The session's effects, in order, on the controls.
    void Apply(const view::Effects& effects);
    // Shows a press's report as a message box; once it is closed, the
    // session's answer to that.
    void Report(const view::Report& report);
    // Tells screen readers that `field` took a result: marked, at its first,
    // as a polite live region, then its change raised. Nothing shows.
    void Speak(Field field);
    // How the focus is coming into a control: what the program said it is
    // doing, else the keys and buttons held down as the focus arrives.
    [[nodiscard]] view::FocusVia ComingVia() const;
    // What the focus leaving `edit` for `to` goes to, for the session.
    [[nodiscard]] view::FocusTo GoingTo(HWND edit, HWND to) const;

    view::Session& session_;
    // Owned, so that a constructor that throws leaves no window behind; the
    // window goes before the font its controls use.
    std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font_;
    std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser> hwnd_;
    HWND toolTip_ = nullptr;  // a child of the window, destroyed with it
    HWND lastFocus_ = nullptr;
    std::optional<view::FocusVia> via_;  // set while the window itself moves the focus
    bool annotated_ = false;
    std::array<bool, kFieldCount> live_{};  // marked as a live region
    std::array<HWND, kFieldCount> fields_{};
    std::array<HWND, kButtonCount> buttons_{};
    std::array<HWND, view::kControlCount> controls_{};  // in tab order
    view::Layout layout_;
};

// Sets each control's accessible name (and its tooltip as description) with
// Windows' annotation service, setting COM up on this thread for the call
// and tearing it down after; a system without the service leaves them unset.
void SetAccessibleNames(const std::array<HWND, view::kControlCount>& controls, const view::Language& language);

// Marks a control as a polite live region with the same service, so that a
// screen reader reads out its new content, without interrupting, when the
// window raises EVENT_OBJECT_LIVEREGIONCHANGED on it.
void SetPoliteLiveRegion(HWND control);

// Selects an edit control's whole text with the caret at its start, so that
// it shows its beginning and the first key typed replaces it.
void SelectFromStart(HWND edit);

}  // namespace ardelin::win32
