#include "calc/float_status.hpp"

#include <cfenv>
#include <cmath>

#include "calc/calc_error.hpp"

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

void CheckFloatStatus() {
    const int raised = std::fetestexcept(kFaultFlags);
    if (raised != 0) {
        std::feclearexcept(kFaultFlags);
    }
    if ((raised & FE_DIVBYZERO) != 0) {
        throw CalcError(CalcErrorKind::DivisionByZero);
    }
    if ((raised & (FE_INVALID | FE_OVERFLOW)) != 0) {
        throw CalcError(CalcErrorKind::Overflow);
    }
}

std::int16_t RoundToInteger16(double value) {
    // nearbyint rounds in the current mode, to nearest with halves to even.
    const double whole = std::nearbyint(value);
    if (!(whole >= -32768.0 && whole <= 32767.0)) {
        throw CalcError(CalcErrorKind::Overflow);
    }
    return static_cast<std::int16_t>(whole);
}

double SquareRoot(double value) {
    if (!(value >= 0.0)) {
        throw CalcError(CalcErrorKind::InvalidArgument);
    }
    return value == 0.0 ? 0.0 : std::sqrt(value);
}

}  // namespace ardelin
