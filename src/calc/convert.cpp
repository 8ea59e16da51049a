// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/constants.hpp"
#include "calc/fields.hpp"
#include "calc/float_status.hpp"
#include "calc/handlers.hpp"
#include "calc/numbers.hpp"

namespace ardelin {

void Command3_Click(Form1& form) {
    const double frequency = ReadField(form, Field::FreqText);

    const volatile float wavelength = static_cast<float>(kWavelengthScale / (frequency * kMegahertzScale));
    CheckFloatStatus(CalcStep::Wavelength, wavelength, frequency);

    // Bare number: Beam Width reads it back as its wavelength.
    WriteField(form, Field::WavelengthText, FormatSingle(wavelength, form.DecimalSeparator()));
}

}  // namespace ardelin
