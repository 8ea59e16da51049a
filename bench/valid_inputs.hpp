// SPDX-License-Identifier: GPL-3.0-or-later
// The valid inputs every press benchmark starts from: a 25 m dish observing
// the hydrogen line.
#pragma once

#include "model/form1.hpp"

namespace ardelin::bench {

inline void FillValidInputs(Form1& form) {
    form.SetText(Field::WavelengthText, "0.2112676");
    form.SetText(Field::DiameterText, "25");
    form.SetText(Field::SysTempText, "100");
    form.SetText(Field::BandwidthText, "4000");
    form.SetText(Field::TimeConstText, "1");
    form.SetText(Field::AEfficiencyText, "50");
    form.SetText(Field::SysEfficiencyText, "10");
    form.SetText(Field::FreqText, "1420");
}

}  // namespace ardelin::bench
