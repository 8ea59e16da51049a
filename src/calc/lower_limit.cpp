// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>

#include "calc/constants.hpp"
#include "calc/fields.hpp"
#include "calc/float_status.hpp"
#include "calc/handlers.hpp"
#include "calc/numbers.hpp"

namespace ardelin {

// Singles widen to double on reading, so every expression below runs in
// double, left to right, and only its assignment rounds to single.
void Command2_Click(Form1& form) {
    const double tsys = ReadField(form, Field::SysTempText);
    const double bandwidth = ReadField(form, Field::BandwidthText);
    const double timeConst = ReadField(form, Field::TimeConstText);
    const double sysEfficiency = ReadField(form, Field::SysEfficiencyText);
    const double diameter = ReadField(form, Field::DiameterText);
    const double aEfficiency = ReadField(form, Field::AEfficiencyText);
    const char sep = form.DecimalSeparator();

    // Area term; the efficiency enters as the percentage typed.
    const volatile float area = static_cast<float>(diameter / kTwo * kPi * diameter / kTwo * aEfficiency);
    CheckFloatStatus(CalcStep::AntennaArea, area);

    const volatile double product = bandwidth * kMegahertzScale * timeConst;
    CheckFloatStatus(CalcStep::RadiometerProduct, product);

    const double root = SquareRoot(product);

    const volatile float deltaT = static_cast<float>(tsys / root);
    CheckFloatStatus(CalcStep::TemperatureFluctuation, deltaT, root);

    WriteField(form, Field::DTText, FormatSingle(deltaT, sep) + form.UnitText(Unit::Kelvin));

    const volatile float s1 = static_cast<float>(deltaT * double{kBoltzmann} / area);
    CheckFloatStatus(CalcStep::FluxOverArea, s1, area);

    const volatile float s2 = static_cast<float>(s1 * double{kHundred} / sysEfficiency);
    CheckFloatStatus(CalcStep::FluxOverEfficiency, s2, sysEfficiency);

    const volatile double janskies = s2 * kJanskyScale;
    CheckFloatStatus(CalcStep::FluxInJanskies, janskies);

    const std::int16_t whole = RoundToInteger16(janskies);
    if (whole > 2) {
        WriteField(form, Field::LowerLimitText, FormatInteger(whole) + form.UnitText(Unit::Janskies));
        return;
    }

    const volatile float fraction = static_cast<float>(s2 * kJanskyScale);
    CheckFloatStatus(CalcStep::FluxInJanskies, fraction);

    WriteField(form, Field::LowerLimitText, FormatSingle(fraction, sep) + form.UnitText(Unit::Janskies));
}

}  // namespace ardelin
