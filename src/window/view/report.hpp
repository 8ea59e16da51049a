// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the report that a failed calculation brings up, as UTF-8, and
// the field the user is sent to after it.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "model/form1.hpp"
#include "window/view/catalogue.hpp"

namespace ardelin {

class CalcError;
enum class CalcErrorKind;

namespace view {

struct Report {
    std::string text;            // kind first, then what failed, why, and what to change
    std::optional<Field> focus;  // the input to change, selected; nullopt: where the focus was
    bool unexpected = false;     // no calculation fault but a failure of the program: an error, not a warning
};

// `form` is the form as the failed press left it. Every number in the text
// is written with the form's decimal separator, every word in `language`.
[[nodiscard]] Report ReportOn(const CalcError& error, const Form1& form, const Language& language = InUse());

// `pattern` with %1 … %9 replaced by the arguments in one pass, so that an
// argument holding "%2" (a user's text) stays as it is.
[[nodiscard]] std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);

// The kind's name in `language`, as every report of that kind begins.
[[nodiscard]] std::string_view KindLabel(CalcErrorKind kind, const Language& language = InUse());

// The text of ReportOn alone.
[[nodiscard]] std::string ReportText(const CalcError& error, const Form1& form, const Language& language = InUse());

}  // namespace view
}  // namespace ardelin
