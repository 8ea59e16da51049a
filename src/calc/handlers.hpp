// SPDX-License-Identifier: GPL-3.0-or-later
// The three button handlers, one source file each.
#pragma once

#include "model/form1.hpp"

namespace ardelin {

// "&Beam Width": BeamwidthText = 60 WavelengthText / DiameterText, in degrees.
void Command1_Click(Form1& form);
// "&Lower limit": the lowest detectable fluctuation into DTText (kelvin) and
// LowerLimitText (janskies).
void Command2_Click(Form1& form);
// "&Convert": WavelengthText = 300 / FreqText, as a bare number.
void Command3_Click(Form1& form);

// Binds each handler to its button; called where a form is created.
void BindCalculations(Form1& form);

}  // namespace ardelin
