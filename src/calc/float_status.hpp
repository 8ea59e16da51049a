// SPDX-License-Identifier: GPL-3.0-or-later
// The floating-point fault test and the two operations that raise their own
// errors instead of relying on it.
//
// A fault-tested step stores its result in a volatile local before the test:
// that makes the compiler perform the step, including its rounding to single,
// before reading the status, and makes later steps read the result only after
// it. Neither GCC nor Clang may then move the arithmetic across the test.
#pragma once

#include <cstdint>

#include "calc/calc_error.hpp"

namespace ardelin {

// Clears the flags that the fault test reads.
void ClearFloatStatus() noexcept;

// Raises CalcError DivisionByZero if that flag is set, else Overflow if
// invalid operation or overflow is set, tagged with the step just done;
// underflow and inexact never count. Clears the fault flags either way.
void CheckFloatStatus(CalcStep step);

// Nearest whole number, halves to even; Overflow outside -32768..32767,
// carrying the value (step WholeNumber).
[[nodiscard]] std::int16_t RoundToInteger16(double value);

// InvalidArgument for a negative value (step SquareRoot); the square root of
// -0 is 0.
[[nodiscard]] double SquareRoot(double value);

}  // namespace ardelin
