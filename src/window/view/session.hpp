// SPDX-License-Identifier: GPL-3.0-or-later
// How the form answers a person, decided once for every front end. A session
// owns the form with its calculations bound, takes the events a toolkit
// delivers (a text edited, the focus coming and going, a press in a field, a
// button pressed, the report closed) and answers each with plain effects for
// the front end to apply. It knows no toolkit: a headless front end drives it
// in the tests exactly as a window does.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/form1.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/report.hpp"

namespace ardelin::view {

// A control by its place in the tab order (kControls).
using ControlIndex = std::size_t;

// How the focus came into a control.
enum class FocusVia {
    Key,       // Tab or Shift+Tab
    Shortcut,  // an access key
    Pointer,   // a click or a tap
    Window,    // the window became active again
    Program,   // the program moved it (after a report, at start)
};

// Where the focus went when it left a field.
enum class FocusTo {
    Control,      // another control of the form, or nothing of it
    Popup,        // a menu of the field's own, such as its context menu
    OtherWindow,  // another window or program
    Report,       // the session's own report
};

// The effects, in the order to apply them.
struct ShowText {  // the field shows this text, from its start
    Field field;
    std::string text;
};
struct SelectFromStart {  // the whole text selected, the caret at its start
    Field field;
};
struct CaretAtStart {  // nothing selected, the caret at the start
    Field field;
};
struct MoveFocus {
    ControlIndex control;
};
struct ShowReport {  // modal; the front end calls ReportClosed when it closes
    Report report;
};
struct Speak {  // say this to a screen reader user, politely, without moving the focus
    Field field;       // the field it concerns
    std::string text;  // the field's name and its new text
};
using Effect = std::variant<ShowText, SelectFromStart, CaretAtStart, MoveFocus, ShowReport, Speak>;
using Effects = std::vector<Effect>;

class Session {
public:
    // The form in `language`, numbers with `decimalSeparator`, its
    // calculations bound; the focus in the first field, its prompt selected
    // (Start gives the effects for that). Every text the session gives is
    // in its language.
    explicit Session(char decimalSeparator, Language language = InUse());
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    [[nodiscard]] const Form1& Form() const { return form_; }
    [[nodiscard]] Form1& Form() { return form_; }
    [[nodiscard]] const Language& Lang() const { return language_; }
    // The control that has the focus as the session last heard; nullopt
    // while a report is open or the window is inactive.
    [[nodiscard]] std::optional<ControlIndex> Focus() const { return focus_; }
    [[nodiscard]] bool ReportOpen() const { return reportOpen_; }

    // Where the texts written into the form by anything but a person's edit
    // or a press (a test, say) go, as ShowText effects: the front end shows
    // them as it shows a press's.
    using Display = std::function<void(const Effects&)>;
    void SetDisplay(Display display) { display_ = std::move(display); }

    // The focus into the first field, its prompt selected.
    [[nodiscard]] Effects Start();

    // A person changed a field's text (typing, pasting, deleting). The form
    // takes it; nothing shows back. A text the field already holds, such as
    // the echo of a ShowText, changes nothing.
    void TextEdited(Field field, std::string text);

    // The focus came into a control. Into a field by key or access key, the
    // whole text selected from its start; into a prompt, however it came,
    // the prompt selected, so that the first key typed replaces it.
    [[nodiscard]] Effects FocusIn(ControlIndex control, FocusVia via);

    // The focus left a field. For another control, the field shows its
    // start again; for a popup, another window or the report, it stays as it
    // is, so that it is found as it was left.
    [[nodiscard]] Effects FocusOut(Field field, FocusTo to);

    // The primary button or a tap went down in a field. True: the front end
    // swallows the press and applies `effects`, which select the prompt the
    // field holds (a press would otherwise place the caret in it).
    struct PressAnswer {
        bool swallow = false;
        Effects effects;
    };
    [[nodiscard]] PressAnswer PrimaryPress(Field field);

    // A button pressed. Every text the calculation wrote shows, from its
    // start, and is spoken with its field's name; a failed calculation shows
    // its report instead.
    [[nodiscard]] Effects Press(Button button);

    // The report closed. The focus goes to the field to change, selected, or
    // back where it was.
    [[nodiscard]] Effects ReportClosed();

private:
    [[nodiscard]] bool HoldsPrompt(Field field) const;

    Language language_;
    Form1 form_;
    std::optional<ControlIndex> focus_;
    std::optional<ControlIndex> beforeReport_;
    std::optional<Field> pointerFocus_;  // the focus came into it by the press now arriving
    std::optional<Report> report_;
    bool reportOpen_ = false;
    std::vector<Field> written_;  // the fields a press wrote, in order
    bool pressing_ = false;
    bool taking_ = false;  // the form is taking a person's edit: nothing shows back
    Display display_;
};

// The control index of a field or a button.
[[nodiscard]] ControlIndex IndexOf(Field field);
[[nodiscard]] ControlIndex IndexOf(Button button);

}  // namespace ardelin::view
