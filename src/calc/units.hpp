// SPDX-License-Identifier: GPL-3.0-or-later
// What follows the number in each result a calculation writes.
#pragma once

#include "window/text_mark.hpp"

namespace ardelin {

// TRANSLATORS: a unit written after a result's number, with its leading space: the beam width in degrees.
inline constexpr char kDegrees[] = N_(" degrees");
// TRANSLATORS: a unit after a result's number, with its leading space: a temperature in kelvin.
inline constexpr char kKelvin[] = N_(" kelvin");
// TRANSLATORS: a unit after a result's number, with its leading space: a flux in janskies.
inline constexpr char kJanskies[] = N_(" Janskies");

}  // namespace ardelin
