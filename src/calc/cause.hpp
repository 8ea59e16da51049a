// SPDX-License-Identifier: GPL-3.0-or-later
// Which input a failed calculation points the user to.
#pragma once

#include <optional>

#include "calc/calc_error.hpp"
#include "model/form1.hpp"

namespace ardelin {

// The input field to change after `error`, read from the form as the failed
// press left it (a calculation never changes its inputs):
// - the field that could not be read;
// - the one input that decides a failure: a zero dish diameter (beam width,
//   flux), a zero antenna or system efficiency, a zero bandwidth or time
//   constant, the negative one of bandwidth and time constant, a zero
//   frequency;
// - for a flux beyond the whole-number range, the dish diameter, which
//   lowers the flux the most (it enters squared);
// nullopt where no one input decides, such as a result beyond single.
[[nodiscard]] std::optional<Field> InputToChange(const CalcError& error, const Form1& form);

}  // namespace ardelin
