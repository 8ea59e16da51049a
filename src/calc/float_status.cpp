// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/float_status.hpp"

#include <cfenv>
#include <cmath>

namespace ardelin {

namespace {
// Underflow and inexact never count, so they may stay set.
constexpr int kFaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
}  // namespace

void ClearFloatStatus() noexcept {
    // Clearing reloads the whole floating-point environment, which costs far
    // more than a press's arithmetic; usually no fault flag is set at all.
    if (std::fetestexcept(kFaultFlags) != 0) {
        std::feclearexcept(kFaultFlags);
    }
}

void CheckFloatStatus(CalcStep step) {
    const int raised = std::fetestexcept(kFaultFlags);
    if (raised != 0) {
        std::feclearexcept(kFaultFlags);
    }
    if ((raised & FE_DIVBYZERO) != 0) {
        throw CalcError(CalcErrorKind::DivisionByZero, step);
    }
    if ((raised & (FE_INVALID | FE_OVERFLOW)) != 0) {
        throw CalcError(CalcErrorKind::Overflow, step, std::nullopt, (raised & FE_INVALID) != 0);
    }
}

std::int16_t RoundToInteger16(double value) {
    // nearbyint rounds in the current mode, to nearest with halves to even.
    const double whole = std::nearbyint(value);
    if (!(whole >= -32768.0 && whole <= 32767.0)) {
        throw CalcError(CalcErrorKind::Overflow, CalcStep::WholeNumber, value);
    }
    return static_cast<std::int16_t>(whole);
}

double SquareRoot(double value) {
    if (!(value >= 0.0)) {
        throw CalcError(CalcErrorKind::InvalidArgument, CalcStep::SquareRoot);
    }
    return value == 0.0 ? 0.0 : std::sqrt(value);
}

}  // namespace ardelin
