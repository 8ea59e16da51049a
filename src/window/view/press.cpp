// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/press.hpp"

#include <exception>
#include <string>

#include "calc/calc_error.hpp"

namespace ardelin::view {

bool HoldsPrompt(Field field, std::string_view text) {
    const std::string_view prompt = Info(field).initialText;
    return !prompt.empty() && text == prompt;
}

std::optional<Report> Press(Form1& form, Button button) {
    try {
        form.Press(button);
        return std::nullopt;
    } catch (const CalcError& error) {
        return ReportOn(error, form);
    } catch (const std::exception& error) {
        return Report{std::string("The calculation stopped unexpectedly: ") + error.what(), std::nullopt, true};
    }
}

}  // namespace ardelin::view
