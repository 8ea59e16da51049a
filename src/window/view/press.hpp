// SPDX-License-Identifier: GPL-3.0-or-later
// What every front end does the same way around a press and a field: the
// window's title, the longest text a field keeps, when a field still holds
// its prompt, and a press that ends in a report.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "model/form1.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/report.hpp"

namespace ardelin::view {

inline constexpr std::string_view kTitle = "Ardelin";

// The most characters a field keeps. A toolkit's own limit cuts whatever goes
// beyond it, which could turn a long pasted number into another one: this
// one keeps any realistic paste whole.
inline constexpr std::size_t kFieldMaxLength = std::size_t{1} << 24;

// True while `text` is the field's prompt in `language`: the field selects it whenever it
// gets the focus, so that the first key typed replaces it.
[[nodiscard]] bool HoldsPrompt(Field field, std::string_view text, const Language& language = InUse());

// Presses `button` on `form`. Nothing when the calculation succeeds; else
// the report to show, in a modal box titled kTitle: a failed calculation's
// (Report::unexpected false), or, for any other exception, "The calculation
// stopped unexpectedly: " and what it says, so that no exception crosses
// the front end's event loop.
[[nodiscard]] std::optional<Report> Press(Form1& form, Button button, const Language& language = InUse());

}  // namespace ardelin::view
