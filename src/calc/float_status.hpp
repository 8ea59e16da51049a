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
#include <optional>

#include "calc/calc_error.hpp"

namespace ardelin {

// Clears the flags that the fault test reads.
void ClearFloatStatus() noexcept;

// The fault test after a step: raises CalcError DivisionByZero for a
// division by zero, else Overflow for an invalid operation (0 / 0) or an
// overflow, tagged with the step; underflow and inexact never count.
//
// `result` is the step's result as stored and `divisor` what it divided by
// last (1 for a step that divides by no input). Where the processor keeps
// floating-point status flags, they decide, and are cleared; elsewhere
// (WebAssembly) FaultOf decides from the result and the divisor.
void CheckFloatStatus(CalcStep step, double result, double divisor = 1.0);

// The flag-free verdict on a step whose operands were all finite: a finite
// result is no fault; an infinite one from a zero divisor is a division by
// zero; any other infinity overflowed, and a NaN is an invalid operation.
[[nodiscard]] std::optional<CalcError> FaultOf(CalcStep step, double result, double divisor);

// Nearest whole number, halves to even; Overflow outside -32768..32767,
// carrying the value (step WholeNumber).
[[nodiscard]] std::int16_t RoundToInteger16(double value);

// InvalidArgument for a negative value (step SquareRoot); the square root of
// -0 is 0.
[[nodiscard]] double SquareRoot(double value);

}  // namespace ardelin
