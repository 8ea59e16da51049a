// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/float_status.hpp"

#include <cfenv>
#include <cmath>

// The flags, where the platform has them; ARDELIN_FAULT_TEST_FROM_RESULTS
// builds the flag-free test anywhere, to compare the two.
#if defined(FE_DIVBYZERO) && defined(FE_INVALID) && defined(FE_OVERFLOW) && !defined(ARDELIN_FAULT_TEST_FROM_RESULTS)
#define ARDELIN_FAULT_TEST_FROM_FLAGS 1
#endif

namespace ardelin {

std::optional<CalcError> FaultOf(CalcStep step, double result, double divisor) {
    if (std::isfinite(result)) {
        return std::nullopt;
    }
    if (std::isinf(result) && divisor == 0.0) {
        return CalcError(CalcErrorKind::DivisionByZero, step);
    }
    return CalcError(CalcErrorKind::Overflow, step, std::nullopt, std::isnan(result));
}

#if defined(ARDELIN_FAULT_TEST_FROM_FLAGS)

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

void CheckFloatStatus(CalcStep step, double /*result*/, double /*divisor*/) {
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

#else

void ClearFloatStatus() noexcept {}

void CheckFloatStatus(CalcStep step, double result, double divisor) {
    if (std::optional<CalcError> fault = FaultOf(step, result, divisor)) {
        throw *fault;
    }
}

#endif

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
