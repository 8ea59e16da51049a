// SPDX-License-Identifier: GPL-3.0-or-later
// The Ardelin window on Windows: the system's own EDIT and BUTTON controls,
// tooltips and message box over the form model, laid out from the window's
// description. The model holds every field's text; the controls show it and
// hand the user's edits back.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <memory>
#include <type_traits>

#include "model/form1.hpp"
#include "window/view/controls.hpp"
#include "window/view/layout.hpp"

namespace ardelin {

namespace view {
struct Report;
}

namespace win32 {

// Control identifiers start here, so that IDOK and IDCANCEL, which the
// dialog manager sends for Enter and Escape, belong to no control.
inline constexpr int kFirstControlId = 100;

class Form1Window {
public:
    // Creates the window, hidden, with every control in tab order.
    explicit Form1Window(Form1& form);
    ~Form1Window();
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Shows the window with the focus in DiameterText, its prompt selected.
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
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    // A tooltip control with one tool for each control that has a tip.
    void CreateToolTips();
    // The system's message font at the window's dots per inch, the scale at
    // which every text fits whole, and every control placed.
    void ApplyLayout();
    void Press(Button button);
    // Shows a press's report, then sends the focus to the field to change.
    void Report(const view::Report& report);
    void ShowModelText(Field field);
    void TakeControlText(Field field);
    [[nodiscard]] bool HoldsPrompt(HWND edit) const;

    Form1& form_;
    // Owned, so that a constructor that throws leaves no window behind; the
    // window goes before the font its controls use.
    std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font_;
    std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser> hwnd_;
    HWND toolTip_ = nullptr;  // a child of the window, destroyed with it
    HWND lastFocus_ = nullptr;
    bool takingText_ = false;  // the model is taking a control's text: no echo back
    bool annotated_ = false;
    std::array<HWND, kFieldCount> fields_{};
    std::array<HWND, kButtonCount> buttons_{};
    std::array<HWND, view::kControlCount> controls_{};  // in tab order
    view::Layout layout_;
};

// Sets each control's accessible name (and its tooltip as description) with
// Windows' annotation service, setting COM up on this thread for the call
// and tearing it down after; a system without the service leaves them unset.
void SetAccessibleNames(const std::array<HWND, view::kControlCount>& controls);

// Selects an edit control's whole text with the caret at its start, so that
// it shows its beginning and the first key typed replaces it.
void SelectFromStart(HWND edit);

}  // namespace win32
}  // namespace ardelin
