// SPDX-License-Identifier: GPL-3.0-or-later
// What follows the number in each result a calculation writes.
#pragma once

namespace ardelin {

inline constexpr char kDegrees[] = " degrees";
inline constexpr char kKelvin[] = " kelvin";
inline constexpr char kJanskies[] = " Janskies";

}  // namespace ardelin
