// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/press.hpp"

#include <exception>
#include <string>

#include "calc/calc_error.hpp"
#include "model/text_mark.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"

namespace ardelin::view {

bool HoldsPrompt(Field field, std::string_view text, const Language& language) {
    const std::string_view prompt = Prompt(field, language);
    return !prompt.empty() && text == prompt;
}

std::optional<Report> Press(Form1& form, Button button, const Language& language) {
    try {
        form.Press(button);
        return std::nullopt;
    } catch (const CalcError& error) {
        return ReportOn(error, form, language);
    } catch (const std::exception& error) {
        // TRANSLATORS: a failure of the program itself, not of the numbers; the program's own words follow.
        return Report{std::string(language.Tr(N_("The calculation stopped unexpectedly: "))) + error.what(), std::nullopt, true};
    }
}

}  // namespace ardelin::view
