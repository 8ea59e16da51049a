// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/handlers.hpp"

namespace ardelin {

void BindCalculations(Form1& form) {
    form.Bind(Button::Command1, Command1_Click);
    form.Bind(Button::Command2, Command2_Click);
    form.Bind(Button::Command3, Command3_Click);
}

}  // namespace ardelin
