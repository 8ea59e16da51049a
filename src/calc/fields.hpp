// SPDX-License-Identifier: GPL-3.0-or-later
// The only way a calculation reads or writes the form.
#pragma once

#include <string>

#include "model/form1.hpp"

namespace ardelin {

// The field's whole text as a single; raises CalcError Conversion or Overflow
// naming the field. Clears the floating-point status.
[[nodiscard]] float ReadField(const Form1& form, Field field);

// Replaces the field's whole text. Clears the floating-point status.
void WriteField(Form1& form, Field field, std::string text);

}  // namespace ardelin
