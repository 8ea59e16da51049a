// SPDX-License-Identifier: GPL-3.0-or-later
// The error that ends a calculation.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "model/form1.hpp"

namespace ardelin {

enum class CalcErrorKind { Conversion, Overflow, DivisionByZero, InvalidArgument };

// The step of a calculation that failed, so that a report can say which
// quantity went wrong.
enum class CalcStep {
    ReadField,               // a field's text is not a number, or beyond single
    BeamWidth,               // 60 lambda / D
    AntennaArea,             // D/2 pi D/2 etaA
    RadiometerProduct,       // B 1e7 tau
    SquareRoot,              // of the radiometer product, a negative one
    TemperatureFluctuation,  // Tsys / R
    FluxOverArea,            // dT 1.4e-23 / A
    FluxOverEfficiency,      // S1 100 / etaS
    FluxInJanskies,          // S2 1e29
    WholeNumber,             // the 16-bit whole number of janskies
    Wavelength,              // 3e9 / (f 1e7)
};

class CalcError : public std::runtime_error {
public:
    // A failed step of a calculation. `value` is what the step could not
    // hold, where the step knows it (the whole-number rounding does);
    // `noNumber` tells an Overflow that was an invalid operation (0 / 0).
    CalcError(CalcErrorKind kind, CalcStep step, std::optional<double> value = std::nullopt, bool noNumber = false);
    // A failure of reading a field: names the field and keeps its text.
    CalcError(CalcErrorKind kind, Field field, std::string text);

    [[nodiscard]] CalcErrorKind Kind() const noexcept { return kind_; }
    [[nodiscard]] CalcStep Step() const noexcept { return step_; }
    [[nodiscard]] const std::optional<Field>& SourceField() const noexcept { return field_; }
    [[nodiscard]] const std::string& FieldTextSeen() const noexcept { return text_; }
    [[nodiscard]] const std::optional<double>& Value() const noexcept { return value_; }
    [[nodiscard]] bool NoNumber() const noexcept { return noNumber_; }

private:
    CalcErrorKind kind_;
    CalcStep step_;
    std::optional<Field> field_;
    std::string text_;
    std::optional<double> value_;
    bool noNumber_ = false;
};

// Short plain words for a kind, such as "division by zero".
[[nodiscard]] const char* KindName(CalcErrorKind kind) noexcept;

}  // namespace ardelin
