// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calc_error.hpp"

#include <utility>

namespace ardelin {

const char* KindName(CalcErrorKind kind) noexcept {
    switch (kind) {
        case CalcErrorKind::Conversion: return "conversion";
        case CalcErrorKind::Overflow: return "overflow";
        case CalcErrorKind::DivisionByZero: return "division by zero";
        case CalcErrorKind::InvalidArgument: return "invalid argument";
    }
    return "unknown";
}

CalcError::CalcError(CalcErrorKind kind, CalcStep step, std::optional<double> value, bool noNumber)
    : std::runtime_error(KindName(kind)), kind_(kind), step_(step), value_(value), noNumber_(noNumber) {}

CalcError::CalcError(CalcErrorKind kind, Field field, std::string text)
    : std::runtime_error(std::string(KindName(kind)) + " in " + std::string(Info(field).name)),
      kind_(kind),
      step_(CalcStep::ReadField),
      field_(field),
      text_(std::move(text)) {}

}  // namespace ardelin
