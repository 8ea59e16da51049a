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

std::string_view ToolTip(const Control& control, const Language& language) {
    return control.toolTip.empty() ? "" : language.Tr(control.toolTip);
}

std::string_view AccessibleName(const Control& control, const Language& language) {
    return language.Tr(control.accessibleName);
}

std::string_view Caption(Button button, const Language& language) { return language.Tr(ControlOf(button).caption); }

std::string_view Prompt(Field field, const Language& language) {
    const std::string_view english = Info(field).initialText;
    return english.empty() ? "" : language.Tr(english);
}

std::optional<std::string_view> ResultUnit(const Control& control, const Language& language) {
    if (!control.written.number) {
        return std::nullopt;
    }
    return control.written.unit ? language.Tr(EnglishWords().units[static_cast<std::size_t>(*control.written.unit)]) : "";
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

ControlWords WordsOf(const Control& control, const Language& language) {
    ControlWords words{Name(control), AccessibleName(control, language), ToolTip(control, language), {}, {}, {}};
    if (const Field* field = std::get_if<Field>(&control.which)) {
        words.prompt = Prompt(*field, language);
    } else {
        words.caption = SplitCaption(Caption(std::get<Button>(control.which), language));
        words.accessKey = LowerKey(words.caption.key);
    }
    return words;
}

std::string LowerKey(std::string_view key) {
    if (key.size() == 1) {
        std::string lower(key);
        lower[0] = lower[0] >= 'A' && lower[0] <= 'Z' ? static_cast<char>(lower[0] - 'A' + 'a') : lower[0];
        return lower;
    }
    if (key.size() != 2) {
        return std::string(key);
    }
    // A two-byte UTF-8 letter: its code point, lowered where its block has cases one to one.
    unsigned point = ((static_cast<unsigned char>(key[0]) & 0x1FU) << 6U) | (static_cast<unsigned char>(key[1]) & 0x3FU);
    if ((point >= 0xC0 && point <= 0xDE && point != 0xD7) || (point >= 0x391 && point <= 0x3A9 && point != 0x3A2) ||
        (point >= 0x410 && point <= 0x42F)) {
        point += 0x20;
    } else if (point >= 0x400 && point <= 0x40F) {
        point += 0x50;
    }
    return {static_cast<char>(0xC0U | (point >> 6U)), static_cast<char>(0x80U | (point & 0x3FU))};
}

FormWords Words(const Language& language) {
    FormWords words;
    for (const Field f : kAllFields) {
        words.prompts[static_cast<std::size_t>(f)] = std::string(Prompt(f, language));
    }
    for (std::size_t u = 0; u < kUnitCount; ++u) {
        words.units[u] = std::string(language.Tr(EnglishWords().units[u]));
    }
    return words;
}

}  // namespace ardelin::view
