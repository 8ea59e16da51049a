// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/constants.hpp"
#include "calc/fields.hpp"
#include "calc/float_status.hpp"
#include "calc/handlers.hpp"
#include "calc/numbers.hpp"

namespace ardelin {

void Command1_Click(Form1& form) {
    const double lambda = ReadField(form, Field::WavelengthText);
    const double diameter = ReadField(form, Field::DiameterText);

    const volatile float theta = static_cast<float>(lambda * kSixty / diameter);
    CheckFloatStatus(CalcStep::BeamWidth, theta, diameter);

    WriteField(form, Field::BeamwidthText, FormatSingle(theta, form.DecimalSeparator()) + form.UnitText(Unit::Degrees));
}

}  // namespace ardelin
