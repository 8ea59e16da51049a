// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.hpp"

#include <stdexcept>
#include <utility>

namespace ardelin {
namespace {

constexpr std::array<FieldInfo, kFieldCount> kFieldInfo{{
    {"DiameterText", "dish diameter", "Diameter of dish (m)"},
    {"WavelengthText", "wavelength", "Wavelength (m)"},
    {"SysTempText", "system temperature", "System Temp(kelvin)"},
    {"BandwidthText", "bandwidth", "Bandwidth (MHz)"},
    {"TimeConstText", "time constant", "Time Constant (sec)"},
    {"AEfficiencyText", "antenna efficiency", "Antenna Efficiency%"},
    {"SysEfficiencyText", "system efficiency", "System Efficiency %"},
    {"BeamwidthText", "beam width result", ""},
    {"DTText", "temperature fluctuation result", ""},
    {"LowerLimitText", "flux fluctuation result", ""},
    {"FreqText", "frequency", "Frequency to convert (MHz)"},
}};

constexpr std::array<ButtonInfo, kButtonCount> kButtonInfo{{
    {"Command1", "&Beam Width"},
    {"Command2", "&Lower limit"},
    {"Command3", "&Convert"},
}};

}  // namespace

const FieldInfo& Info(Field field) { return kFieldInfo.at(static_cast<std::size_t>(field)); }

const ButtonInfo& Info(Button button) { return kButtonInfo.at(static_cast<std::size_t>(button)); }

std::optional<Field> FieldByName(std::string_view name) {
    for (const Field f : kAllFields) {
        if (Info(f).name == name) {
            return f;
        }
    }
    return std::nullopt;
}

Form1::Form1(char decimalSeparator) : decimalSeparator_(decimalSeparator) {
    if (decimalSeparator != '.' && decimalSeparator != ',') {
        throw std::invalid_argument("decimal separator must be '.' or ','");
    }
    for (const Field f : kAllFields) {
        texts_[Index(f)] = std::string(Info(f).initialText);
    }
}

void Form1::SetText(Field field, std::string text) {
    texts_[Index(field)] = std::move(text);
    if (observer_) {
        observer_(field);
    }
}

void Form1::Bind(Button button, Handler handler) { handlers_[Index(button)] = std::move(handler); }

void Form1::Press(Button button) {
    if (const Handler& handler = handlers_[Index(button)]) {
        handler(*this);
    }
}

}  // namespace ardelin
