// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for driving the form model in tests.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "calc/calc_error.hpp"
#include "calc/handlers.hpp"
#include "model/form1.hpp"

namespace ardelin::test {

using Texts = std::initializer_list<std::pair<Field, const char*>>;

inline void Fill(Form1& form, Texts texts) {
    for (const auto& [field, text] : texts) {
        form.SetText(field, text);
    }
}

inline std::array<std::string, kFieldCount> Snapshot(const Form1& form) {
    std::array<std::string, kFieldCount> all;
    for (const Field f : kAllFields) {
        all[static_cast<std::size_t>(f)] = form.Text(f);
    }
    return all;
}

// Presses and returns the kind of the CalcError it ended with, if any.
inline std::optional<CalcErrorKind> PressCatching(Form1& form, Button button) {
    try {
        form.Press(button);
    } catch (const CalcError& e) {
        return e.Kind();
    }
    return std::nullopt;
}

}  // namespace ardelin::test
