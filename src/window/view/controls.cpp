// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/controls.hpp"

#include <algorithm>

#include "window/view/catalogue.hpp"

namespace ardelin::view {

std::string_view Name(const Control& control) {
    if (const Field* field = std::get_if<Field>(&control.which)) {
        return Info(*field).name;
    }
    return Info(std::get<Button>(control.which)).name;
}

const Control& ControlOf(Field field) {
    return *std::find_if(kControls.begin(), kControls.end(), [field](const Control& c) {
        const Field* f = std::get_if<Field>(&c.which);
        return f != nullptr && *f == field;
    });
}

const Control& ControlOf(Button button) {
    return *std::find_if(kControls.begin(), kControls.end(), [button](const Control& c) {
        const Button* b = std::get_if<Button>(&c.which);
        return b != nullptr && *b == button;
    });
}

std::string_view ToolTip(const Control& control) { return control.toolTip.empty() ? "" : Tr(control.toolTip); }

std::string_view AccessibleName(const Control& control) { return Tr(control.accessibleName); }

std::string_view Caption(Button button) { return Tr(Info(button).caption); }

std::string_view Prompt(Field field) {
    const std::string_view english = Info(field).initialText;
    return english.empty() ? "" : Tr(english);
}

std::optional<std::string_view> ResultUnit(const Control& control) {
    const auto unit = [](Unit u) { return Tr(EnglishWords().units[static_cast<std::size_t>(u)]); };
    switch (control.result) {
        case Result::None: return std::nullopt;
        case Result::Bare: return "";
        case Result::Degrees: return unit(Unit::Degrees);
        case Result::Kelvin: return unit(Unit::Kelvin);
        case Result::Janskies: return unit(Unit::Janskies);
    }
    return std::nullopt;
}

CaptionParts SplitCaption(std::string_view caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size()) {
        return {caption, {}, {}};
    }
    // The key is one character, of as many UTF-8 bytes as its lead byte says.
    const auto lead = static_cast<unsigned char>(caption[at + 1]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::size_t end = std::min(at + 1 + length, caption.size());
    return {caption.substr(0, at), caption.substr(at + 1, end - at - 1), caption.substr(end)};
}

FormWords Words() {
    FormWords words;
    for (const Field f : kAllFields) {
        words.prompts[static_cast<std::size_t>(f)] = std::string(Prompt(f));
    }
    for (std::size_t u = 0; u < kUnitCount; ++u) {
        words.units[u] = std::string(Tr(EnglishWords().units[u]));
    }
    return words;
}

}  // namespace ardelin::view
