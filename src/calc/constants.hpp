// SPDX-License-Identifier: GPL-3.0-or-later
// The constants of the calculations, each in the width in which it enters the
// arithmetic; the width decides the last digits of the results.
#pragma once

namespace ardelin {

inline constexpr float kSixty = 60.0F;            // beam width: 60 lambda / D
inline constexpr float kTwo = 2.0F;               // radius from diameter
inline constexpr float kPi = 3.1415927F;          // 3.14159274101257...
inline constexpr float kBoltzmann = 1.4e-23F;     // 1.39999996819...e-23
inline constexpr float kHundred = 100.0F;         // percent
inline constexpr double kMegahertzScale = 1e7;    // bandwidth and frequency
inline constexpr double kJanskyScale = 1e29;      // flux density to janskies
inline constexpr double kWavelengthScale = 3e9;   // 3e9 / (f x 1e7) = 300 / f

}  // namespace ardelin
