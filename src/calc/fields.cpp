// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/fields.hpp"

#include <utility>

#include "calc/float_status.hpp"
#include "calc/numbers.hpp"

namespace ardelin {

float ReadField(const Form1& form, Field field) {
    const std::string& text = form.Text(field);
    const ParsedSingle parsed = ParseSingle(text, form.DecimalSeparator());
    ClearFloatStatus();
    if (parsed.error) {
        throw CalcError(*parsed.error, field, text);
    }
    return parsed.value;
}

void WriteField(Form1& form, Field field, std::string text) {
    form.SetText(field, std::move(text));
    ClearFloatStatus();
}

}  // namespace ardelin
