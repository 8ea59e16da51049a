// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/form1.hpp"

#include <stdexcept>
#include <utility>

#include "model/text_mark.hpp"

namespace ardelin {
namespace {

// Each field's name and the prompt it shows until a number is typed.
constexpr std::array<FieldInfo, kFieldCount> kFieldInfo{{
    // TRANSLATORS: the prompt a field shows until a number is typed.
    {"DiameterText", N_("Diameter of dish (m)")},
    {"WavelengthText", N_("Wavelength (m)")},
    {"SysTempText", N_("System Temp(kelvin)")},
    {"BandwidthText", N_("Bandwidth (MHz)")},
    {"TimeConstText", N_("Time Constant (sec)")},
    {"AEfficiencyText", N_("Antenna Efficiency%")},
    {"SysEfficiencyText", N_("System Efficiency %")},
    {"BeamwidthText", ""},
    {"DTText", ""},
    {"LowerLimitText", ""},
    {"FreqText", N_("Frequency to convert (MHz)")},
}};

constexpr std::array<ButtonInfo, kButtonCount> kButtonInfo{{{"Command1"}, {"Command2"}, {"Command3"}}};

}  // namespace

const FormWords& EnglishWords() {
    static const FormWords words = [] {
        FormWords w;
        for (const Field f : kAllFields) {
            w.prompts[static_cast<std::size_t>(f)] = std::string(Info(f).initialText);
        }
        // TRANSLATORS: a unit written after a result's number, with its leading space: the beam width in degrees.
        w.units[static_cast<std::size_t>(Unit::Degrees)] = N_(" degrees");
        // TRANSLATORS: a unit after a result's number, with its leading space: a temperature in kelvin.
        w.units[static_cast<std::size_t>(Unit::Kelvin)] = N_(" kelvin");
        // TRANSLATORS: a unit after a result's number, with its leading space: a flux in janskies.
        w.units[static_cast<std::size_t>(Unit::Janskies)] = N_(" Janskies");
        return w;
    }();
    return words;
}

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

Form1::Form1(char decimalSeparator, FormWords words)
    : decimalSeparator_(decimalSeparator), words_(std::move(words)) {
    if (decimalSeparator != '.' && decimalSeparator != ',') {
        throw std::invalid_argument("decimal separator must be '.' or ','");
    }
    for (const Field f : kAllFields) {
        texts_[Index(f)] = words_.prompts[Index(f)];
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
