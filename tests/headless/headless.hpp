// SPDX-License-Identifier: GPL-3.0-or-later
// A front end with no display: it drives a session as a person would (type,
// Tab, Shift+Tab, click, access keys, close the report) and holds what a
// window would show, each field's text, the focus and the selection, in
// memory. Its controls behave as the platforms' own do: typing replaces the
// selection, a click places the caret at the end of a field's text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "../view/report_cases.hpp"
#include "window/view/controls.hpp"
#include "window/view/session.hpp"

namespace ardelin::test {

class Headless {
public:
    struct Selection {  // in bytes of the UTF-8 text; anchor == caret: none
        std::size_t anchor = 0;
        std::size_t caret = 0;
    };

    explicit Headless(char separator = '.', view::Language language = view::InUse())
        : session_(separator, language) {
        for (const Field f : kAllFields) {
            texts_[Index(f)] = session_.Form().Text(f);
        }
        Apply(session_.Start());
    }

    [[nodiscard]] const std::string& Text(Field f) const { return texts_[Index(f)]; }
    [[nodiscard]] Selection SelectionOf(Field f) const { return selections_[Index(f)]; }
    [[nodiscard]] bool WholeSelectedFromStart(Field f) const {
        const Selection s = SelectionOf(f);
        return s.caret == 0 && s.anchor == Text(f).size();
    }
    [[nodiscard]] std::optional<view::ControlIndex> Focus() const { return focus_; }
    [[nodiscard]] const std::optional<view::Report>& OpenReport() const { return report_; }
    [[nodiscard]] const std::vector<std::string>& Spoken() const { return spoken_; }
    [[nodiscard]] const view::Session& Session() const { return session_; }

    // Keys typed into the focused field: they replace its selection.
    void Type(std::string_view keys) {
        const Field f = FocusedField();
        Selection& s = selections_[Index(f)];
        const std::size_t from = std::min(s.anchor, s.caret);
        const std::size_t to = std::max(s.anchor, s.caret);
        std::string& text = texts_[Index(f)];
        text.replace(from, to - from, keys);
        s = {from + keys.size(), from + keys.size()};
        session_.TextEdited(f, text);
    }
    void SelectAll() {
        const Field f = FocusedField();
        selections_[Index(f)] = {0, Text(f).size()};
    }
    // Tab and Shift+Tab walk the tab order, round.
    void Tab(bool back = false) {
        const std::size_t n = view::kControls.size();
        const std::size_t at = focus_.value_or(0);
        MoveTo(back ? (at + n - 1) % n : (at + 1) % n, view::FocusVia::Key);
    }
    // A click or a tap with the primary button: a field takes the focus
    // with the caret after its text, unless the session takes the press; a
    // button takes the focus and is pressed.
    void Click(view::ControlIndex control) {
        if (const Field* f = std::get_if<Field>(&view::kControls.at(control).which)) {
            view::Session::PressAnswer answer = session_.PrimaryPress(*f);
            if (answer.swallow) {
                Apply(answer.effects);
                return;
            }
            MoveTo(control, view::FocusVia::Pointer);
            selections_[Index(*f)] = {Text(*f).size(), Text(*f).size()};
            return;
        }
        MoveTo(control, view::FocusVia::Pointer);
        Apply(session_.Press(std::get<Button>(view::kControls[control].which)));
    }
    void Click(Field f) { Click(view::IndexOf(f)); }
    void Click(Button b) { Click(view::IndexOf(b)); }
    // Alt and a letter: the button whose caption underlines it is pressed,
    // the focus staying where it is. False: no caption has that key.
    bool AccessKey(std::string_view key) {
        for (const Button b : kAllButtons) {
            if (view::SplitCaption(view::Caption(b, session_.Lang())).key == key) {
                Apply(session_.Press(b));
                return true;
            }
        }
        return false;
    }
    // A field's context menu opening and closing, or another window taking
    // the focus and giving it back.
    void Away(view::FocusTo to) {
        const std::optional<view::ControlIndex> had = focus_;
        Leave(to);
        if (had) {
            Enter(*had, to == view::FocusTo::Popup ? view::FocusVia::Program : view::FocusVia::Window);
        }
    }
    // OK or Escape on the open report.
    void CloseReport() {
        report_.reset();
        Apply(session_.ReportClosed());
    }
    // Every field's text as "name=text" typed in: a click, all selected, typed over.
    void Fill(const std::vector<std::string>& inputs) {
        for (const std::string& input : inputs) {
            const std::size_t eq = input.find('=');
            const Field f = FieldByName(input.substr(0, eq)).value();
            Click(f);
            SelectAll();
            Type(input.substr(eq + 1));
        }
    }

private:
    static std::size_t Index(Field f) { return static_cast<std::size_t>(f); }
    Field FocusedField() const { return std::get<Field>(view::kControls.at(focus_.value()).which); }

    void Leave(view::FocusTo to) {
        if (focus_) {
            if (const Field* f = std::get_if<Field>(&view::kControls[*focus_].which)) {
                Apply(session_.FocusOut(*f, to));
            }
        }
        focus_.reset();
    }
    void Enter(view::ControlIndex control, view::FocusVia via) {
        focus_ = control;
        Apply(session_.FocusIn(control, via));
    }
    void MoveTo(view::ControlIndex control, view::FocusVia via) {
        if (focus_ == control) {
            return;
        }
        Leave(view::FocusTo::Control);
        Enter(control, via);
    }

    void Apply(const view::Effects& effects) {
        for (const view::Effect& e : effects) {
            if (const auto* show = std::get_if<view::ShowText>(&e)) {
                texts_[Index(show->field)] = show->text;
                selections_[Index(show->field)] = {};
                session_.TextEdited(show->field, show->text);  // the echo a toolkit's change signal sends
            } else if (const auto* select = std::get_if<view::SelectFromStart>(&e)) {
                selections_[Index(select->field)] = {Text(select->field).size(), 0};
            } else if (const auto* caret = std::get_if<view::CaretAtStart>(&e)) {
                selections_[Index(caret->field)] = {};
            } else if (const auto* move = std::get_if<view::MoveFocus>(&e)) {
                if (!report_ && focus_ != move->control) {
                    Leave(view::FocusTo::Control);
                    Enter(move->control, view::FocusVia::Program);
                }
            } else if (const auto* report = std::get_if<view::ShowReport>(&e)) {
                Leave(view::FocusTo::Report);
                report_ = report->report;
            } else if (const auto* speak = std::get_if<view::Speak>(&e)) {
                spoken_.push_back(speak->text);
            }
        }
    }

    view::Session session_;
    std::array<std::string, kFieldCount> texts_;
    std::array<Selection, kFieldCount> selections_{};
    std::optional<view::ControlIndex> focus_;
    std::optional<view::Report> report_;
    std::vector<std::string> spoken_;
};

// The report a failed press of the table brings up in `language`, its
// inputs typed and its button clicked; nullopt: none came.
inline std::optional<view::Report> ReportAfter(const ReportCase& c, view::Language language = view::InUse()) {
    Headless h(c.separator, language);
    h.Fill(c.inputs);
    h.Click(c.button);
    return h.OpenReport();
}

}  // namespace ardelin::test
