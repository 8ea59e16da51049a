// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/cause.hpp"

#include <initializer_list>

#include "calc/numbers.hpp"

namespace ardelin {
namespace {

// An input as the calculation read it; nullopt for a text it could not read.
std::optional<float> AsRead(const Form1& form, Field field) {
    const ParsedSingle read = ParseSingle(form.Text(field), form.DecimalSeparator());
    return read.error ? std::nullopt : std::optional<float>(read.value);
}

bool IsZero(const Form1& form, Field field) { return AsRead(form, field) == 0.0F; }

bool IsNegative(const Form1& form, Field field) {
    const std::optional<float> value = AsRead(form, field);
    return value && *value < 0.0F;
}

// The first of the divisor's inputs that is zero.
std::optional<Field> ZeroOf(const Form1& form, std::initializer_list<Field> inputs) {
    for (const Field f : inputs) {
        if (IsZero(form, f)) {
            return f;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Field> InputToChange(const CalcError& error, const Form1& form) {
    switch (error.Step()) {
        case CalcStep::ReadField: return error.SourceField();
        case CalcStep::BeamWidth: return ZeroOf(form, {Field::DiameterText});
        case CalcStep::SquareRoot:
            return IsNegative(form, Field::BandwidthText) ? Field::BandwidthText : Field::TimeConstText;
        case CalcStep::TemperatureFluctuation: return ZeroOf(form, {Field::BandwidthText, Field::TimeConstText});
        case CalcStep::FluxOverArea: return ZeroOf(form, {Field::DiameterText, Field::AEfficiencyText});
        case CalcStep::FluxOverEfficiency: return ZeroOf(form, {Field::SysEfficiencyText});
        case CalcStep::WholeNumber: return Field::DiameterText;
        case CalcStep::Wavelength: return ZeroOf(form, {Field::FreqText});
        case CalcStep::AntennaArea:
        case CalcStep::RadiometerProduct:
        case CalcStep::FluxInJanskies: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace ardelin
