// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/session.hpp"

#include <algorithm>
#include <utility>

#include "calc/handlers.hpp"
#include "model/text_mark.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/press.hpp"

namespace ardelin::view {

ControlIndex IndexOf(Field field) { return static_cast<ControlIndex>(&ControlOf(field) - kControls.data()); }
ControlIndex IndexOf(Button button) { return static_cast<ControlIndex>(&ControlOf(button) - kControls.data()); }

Session::Session(char decimalSeparator, Language language)
    : language_(language), form_(decimalSeparator, Words(language_)) {
    BindCalculations(form_);
    form_.SetTextObserver([this](Field field) {
        if (pressing_) {
            if (std::find(written_.begin(), written_.end(), field) == written_.end()) {
                written_.push_back(field);
            }
        } else if (!taking_ && display_) {
            display_({ShowText{field, form_.Text(field)}});
        }
    });
}

Session::~Session() { form_.SetTextObserver({}); }

bool Session::HoldsPrompt(Field field) const { return view::HoldsPrompt(field, form_.Text(field), language_); }

Effects Session::Start() {
    const Field first = std::get<Field>(kControls.front().which);
    focus_ = 0;
    return {MoveFocus{0}, SelectFromStart{first}};
}

void Session::TextEdited(Field field, std::string text) {
    if (text != form_.Text(field)) {
        taking_ = true;
        form_.SetText(field, std::move(text));
        taking_ = false;
    }
}

Effects Session::FocusIn(ControlIndex control, FocusVia via) {
    focus_ = control;
    pointerFocus_.reset();
    const Field* field = std::get_if<Field>(&kControls.at(control).which);
    if (field == nullptr) {
        return {};
    }
    if (via == FocusVia::Pointer) {
        pointerFocus_ = *field;  // the press arriving with it may select the prompt
    }
    // Tab and access keys select the whole text from its start, so that a
    // long text shows its beginning; a prompt gives way however the focus comes.
    if (via == FocusVia::Key || via == FocusVia::Shortcut || HoldsPrompt(*field)) {
        return {SelectFromStart{*field}};
    }
    return {};
}

Effects Session::FocusOut(Field field, FocusTo to) {
    if (focus_ == IndexOf(field)) {
        focus_.reset();
    }
    pointerFocus_.reset();
    // Leaving for the report, a popup or another window keeps the field as it
    // is, caret and selection alike: the person comes back to what they left.
    if (to == FocusTo::Control) {
        return {CaretAtStart{field}};
    }
    return {};
}

Session::PressAnswer Session::PrimaryPress(Field field) {
    const bool cameWithPress = std::exchange(pointerFocus_, std::nullopt) == field;
    if (!HoldsPrompt(field)) {
        return {};
    }
    if (focus_ != IndexOf(field)) {
        // The press comes before the focus (Win32, the page): the session moves it.
        return {true, {MoveFocus{IndexOf(field)}, SelectFromStart{field}}};
    }
    if (cameWithPress) {
        // The focus came with this very press (Qt, a tap): keep the prompt selected.
        return {true, {SelectFromStart{field}}};
    }
    return {};  // a press in a prompt that already had the focus places the caret
}

Effects Session::Press(Button button) {
    if (reportOpen_) {
        return {};
    }
    written_.clear();
    pressing_ = true;
    std::optional<Report> report = view::Press(form_, button, language_);
    pressing_ = false;
    Effects effects;
    for (const Field field : written_) {
        effects.emplace_back(ShowText{field, form_.Text(field)});
    }
    if (report) {
        beforeReport_ = focus_;
        reportOpen_ = true;
        report_ = report;
        effects.emplace_back(ShowReport{std::move(*report)});
        return effects;
    }
    for (const Field field : written_) {
        // TRANSLATORS: what a screen reader says of a new result: %1 the field's name for screen readers, %2 its
        // text.
        const std::string_view name = AccessibleName(ControlOf(field), language_);
        effects.emplace_back(Speak{field, Format(language_.Tr(N_("%1: %2")), {name, form_.Text(field)})});
    }
    return effects;
}

Effects Session::ReportClosed() {
    if (!reportOpen_) {
        return {};
    }
    reportOpen_ = false;
    const std::optional<Field> field = report_ ? report_->focus : std::nullopt;
    report_.reset();
    if (field) {
        // The input to change, selected, so that typing replaces it.
        focus_ = IndexOf(*field);
        return {MoveFocus{IndexOf(*field)}, SelectFromStart{*field}};
    }
    if (beforeReport_) {
        focus_ = beforeReport_;
        return {MoveFocus{*beforeReport_}};
    }
    return {};
}

}  // namespace ardelin::view
