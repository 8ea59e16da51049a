// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the report that a failed calculation brings up.
#pragma once

#include <QString>

#include "window/form1.hpp"

namespace ardelin {

class CalcError;

// Names the kind of the error first, then what failed, why, and what to
// change. `form` is the form as the failed press left it.
[[nodiscard]] QString ReportText(const CalcError& error, const Form1& form);

}  // namespace ardelin
