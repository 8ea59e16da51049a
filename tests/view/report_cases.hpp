// SPDX-License-Identifier: GPL-3.0-or-later
// Failed presses and the reports they bring up, word for word, with the field
// the user is sent to: one table for the description's test and the Qt
// window's.
#pragma once

#include <algorithm>
#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/form1.hpp"

namespace ardelin::test {

using Inputs = std::vector<std::string>;  // name=text, later ones win

struct ReportCase {
    std::string name;
    Inputs inputs;
    Button button;
    std::string text;
    std::string focus;  // empty: where the focus was
    std::string dtAfter;
    char separator;
};

inline void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

inline std::vector<ReportCase> ReportCases() {
    std::vector<ReportCase> cases;
    const Inputs lower = {"SysTempText=100", "BandwidthText=1", "TimeConstText=1", "SysEfficiencyText=10",
                          "DiameterText=2", "AEfficiencyText=50"};
    auto with = [&](const Inputs& changes) {
        Inputs all = lower;
        all.insert(all.end(), changes.begin(), changes.end());
        return all;
    };
    auto row = [&](const char* name, const Inputs& inputs, Button b, const std::string& text, const char* focus,
                   const char* dt = "", char sep = '.') {
        cases.push_back({name, inputs, b, text, focus, dt, sep});
    };
    row("prompt", {}, Button::Command1,
            "Conversion error: the field \u201CWavelength (m)\u201D still shows its prompt. Type a number into it.",
            "WavelengthText");
        row("empty", {"WavelengthText=0.21", "DiameterText="}, Button::Command1,
            "Conversion error: the field \u201CDish diameter (m)\u201D is empty. Type a number into it.", "DiameterText");
        row("long text shortened", {"FreqText=this is far too long a text to be quoted whole in a report"},
            Button::Command3,
            "Conversion error: \u201Cthis is far too long a text to be quote\u2026\u201D in the field \u201CFrequency to "
            "convert (MHz)\u201D is not a number.",
            "FreqText");
        row("field beyond single", {"FreqText=1e39"}, Button::Command3,
            "Overflow: the number \u201C1e39\u201D in the field \u201CFrequency to convert (MHz)\u201D is too large. A number "
            "can be at most about "
            "3.4E+38.",
            "FreqText");
        row("point in a comma locale", {"WavelengthText=0.21", "DiameterText=2"}, Button::Command1,
            "Conversion error: \u201C0.21\u201D in the field \u201CWavelength (m)\u201D is not a number here: this locale "
            "writes the decimal separator as a comma. Meant as a decimal number, it is written \u201C0,21\u201D. Digits "
            "cannot be grouped.",
            "WavelengthText", "", ',');
        row("comma in a point locale", {"FreqText= 1,42e3"}, Button::Command3,
            "Conversion error: \u201C 1,42e3\u201D in the field \u201CFrequency to convert (MHz)\u201D is not a number here: "
            "this locale "
            "writes the decimal separator as a point. Meant as a decimal number, it is written \u201C1.42e3\u201D. Digits "
            "cannot be grouped.",
            "FreqText");
        row("zero diameter", {"WavelengthText=0.21", "DiameterText=0"}, Button::Command1,
            "Division by zero: the beam width is 60 \u00D7 wavelength / dish diameter, and the dish diameter is zero. "
            "Type a number other than zero into the dish diameter field.",
            "DiameterText");
        row("zero over zero", {"WavelengthText=0", "DiameterText=0"}, Button::Command1,
            "Overflow: the beam width is 60 \u00D7 wavelength / dish diameter, and with the wavelength and the dish "
            "diameter both zero it is 0 / 0, which is no number. Type a number other than zero into the dish diameter "
            "field.",
            "DiameterText");
        row("beam width beyond single, comma locale", {"WavelengthText=3e38", "DiameterText=1"}, Button::Command1,
            "Overflow: the beam width, 60 \u00D7 wavelength / dish diameter, is beyond the largest number a result can "
            "hold, about 3,4E+38. Check the wavelength and the dish diameter.",
            "", "", ',');
        row("zero frequency", {"FreqText=0"}, Button::Command3,
            "Division by zero: the wavelength is 300 / frequency, and the frequency is zero. Type a number other than "
            "zero into the frequency field.",
            "FreqText");
        row("negative bandwidth", with({"BandwidthText=-1"}), Button::Command2,
            "Invalid argument: the bandwidth \u00D7 time product, bandwidth \u00D7 1E+07 \u00D7 time constant, is "
            "negative because the bandwidth is negative, and a negative number has no square root. Type a positive "
            "number into the bandwidth field.",
            "BandwidthText");
        row("zero bandwidth", with({"BandwidthText=0"}), Button::Command2,
            "Division by zero: the temperature fluctuation is system temperature / \u221A(bandwidth \u00D7 time "
            "product), and the bandwidth \u00D7 time product is zero because the bandwidth is zero. Type a number other "
            "than zero into the bandwidth field.",
            "BandwidthText");
        row("zero antenna efficiency", with({"AEfficiencyText=0"}), Button::Command2,
            "Division by zero: the flux is temperature fluctuation \u00D7 1.4E-23 / antenna area, and the antenna area "
            "is zero because the antenna efficiency is zero. Type a number other than zero into the antenna efficiency "
            "field.",
            "AEfficiencyText", "0.03162277 kelvin");
        row("zero system efficiency", with({"SysEfficiencyText=0"}), Button::Command2,
            "Division by zero: the flux is (flux before the system efficiency) \u00D7 100 / system efficiency, and the "
            "system efficiency is zero. Type a number other than zero into the system efficiency field.",
            "SysEfficiencyText", "0.03162277 kelvin");
        row("area beyond single", with({"DiameterText=1e19"}), Button::Command2,
            "Overflow: the antenna area, (dish diameter / 2)\u00B2 \u00D7 \u03C0 \u00D7 antenna efficiency, is beyond the "
            "largest number a result can hold, about 3.4E+38. Check the dish diameter and the antenna efficiency.",
            "");
        row("half-metre dish", with({"DiameterText=0.5"}), Button::Command2,
            "Overflow: the flux, 45\u202F095 Jy, is more than the 32\u202F767 Jy that the flux field can show. The flux falls "
            "as the dish diameter grows (it enters squared), and with higher efficiencies, a wider bandwidth or a "
            "longer time constant.",
            "DiameterText", "0.03162277 kelvin");
        row("negative flux", with({"SysTempText=-100", "BandwidthText=0.001", "DiameterText=1"}), Button::Command2,
            "Overflow: the flux, \u2212356\u202F507 Jy, is less than the \u221232\u202F768 Jy that the flux field can "
            "show. The flux comes nearer to zero as the dish diameter grows (it enters squared), and with higher "
            "efficiencies, a wider bandwidth or a longer time constant.",
            "DiameterText", "-1 kelvin");

    // The report's own numbers follow the separator; a user's text is quoted as typed.
    row("user text with the report's number, comma locale", {"FreqText=3.4E+38 MHz"}, Button::Command3,
        "Conversion error: \u201C3.4E+38 MHz\u201D in the field \u201CFrequency to convert (MHz)\u201D is not a number.", "FreqText",
        "", ',');
    row("flux over zero area, comma locale", with({"AEfficiencyText=0"}), Button::Command2,
        "Division by zero: the flux is temperature fluctuation \u00D7 1,4E-23 / antenna area, and the antenna area "
        "is zero because the antenna efficiency is zero. Type a number other than zero into the antenna efficiency "
        "field.",
        "AEfficiencyText", "0,03162277 kelvin", ',');
    // A long quote is cut between characters, never inside one.
    row("long text of two-byte letters", {"FreqText=" + std::string(45, 'x') + "\u00E9\u00E9"}, Button::Command3,
        "Conversion error: \u201C" + std::string(39, 'x') +
            "\u2026\u201D in the field \u201CFrequency to convert (MHz)\u201D is not a number.",
        "FreqText");
    row("long text cut after a two-byte letter", {"FreqText=" + std::string(38, 'x') + "\u00E9\u00E9\u00E9"},
        Button::Command3,
        "Conversion error: \u201C" + std::string(38, 'x') +
            "\u00E9\u2026\u201D in the field \u201CFrequency to convert (MHz)\u201D is not a number.",
        "FreqText");
    // 0 / 0 where an input makes the divisor zero, and where no input does (an area too small to hold).
    row("zero temperature over zero bandwidth", with({"SysTempText=0", "BandwidthText=0"}), Button::Command2,
        "Overflow: the temperature fluctuation is system temperature / \u221A(bandwidth \u00D7 time product), and "
        "with the system temperature and the bandwidth \u00D7 time product both zero (the bandwidth is zero) it is "
        "0 / 0, which is no number. Type a number other than zero into the bandwidth field.",
        "BandwidthText");
    row("zero temperature over an area too small to hold", with({"SysTempText=0", "DiameterText=1e-30"}),
        Button::Command2,
        "Overflow: the flux is temperature fluctuation \u00D7 1.4E-23 / antenna area, and with the temperature "
        "fluctuation and the antenna area both zero it is 0 / 0, which is no number. Check the system temperature, "
        "the dish diameter and the antenna efficiency.",
        "", "0 kelvin");
    // Zero diameter and zero antenna efficiency: the diameter is named.
    row("zero diameter and zero antenna efficiency", with({"DiameterText=0", "AEfficiencyText=0"}), Button::Command2,
        "Division by zero: the flux is temperature fluctuation \u00D7 1.4E-23 / antenna area, and the antenna area "
        "is zero because the dish diameter is zero. Type a number other than zero into the dish diameter field.",
        "DiameterText", "0.03162277 kelvin");
    // A quote of exactly 40 characters is shown whole; one more is cut.
    row("text of exactly forty characters", {"FreqText=" + std::string(40, 'x')}, Button::Command3,
        "Conversion error: \u201C" + std::string(40, 'x') +
            "\u201D in the field \u201CFrequency to convert (MHz)\u201D is not a number.",
        "FreqText");
    row("field beyond single, comma locale", {"FreqText=1e39"}, Button::Command3,
        "Overflow: the number \u201C1e39\u201D in the field \u201CFrequency to convert (MHz)\u201D is too large. A number "
            "can be at most about "
        "3,4E+38.",
        "FreqText", "", ',');
    // A flux of 1e9 Jy or more is written with an exponent, in the form's
    // separator and with a minus sign, whatever the C library's locale.
    const std::string beyond = " Jy, is more than the 32\u202F767 Jy that the flux field can show. The flux falls as the "
                               "dish diameter grows (it enters squared), and with higher efficiencies, a wider "
                               "bandwidth or a longer time constant.";
    row("flux of 1e9 Jy or more", with({"SysTempText=1e30"}), Button::Command2,
        "Overflow: the flux, 2.818E+31" + beyond, "DiameterText", "3.162278E+26 kelvin");
    // Either side of 1e9 Jy, where the exponent form begins.
    row("flux just over 1e9 Jy", with({"DiameterText=0.002"}), Button::Command2,
        "Overflow: the flux, 2.818E+09" + beyond, "DiameterText", "0.03162277 kelvin");
    row("flux just under 1e9 Jy", with({"DiameterText=0.004"}), Button::Command2,
        "Overflow: the flux, 704\u202F608\u202F844" + beyond, "DiameterText", "0.03162277 kelvin");
    row("tiny dish, comma locale", with({"DiameterText=0,0005"}), Button::Command2,
        "Overflow: the flux, 4,509E+10" + beyond, "DiameterText", "0,03162277 kelvin", ',');
    row("large negative flux", with({"SysTempText=-100", "BandwidthText=0.001", "DiameterText=0.0001"}),
        Button::Command2,
        "Overflow: the flux, \u22123.565E+13 Jy, is less than the \u221232\u202F768 Jy that the flux field can show. "
        "The flux comes nearer to zero as the dish diameter grows (it enters squared), and with higher efficiencies, a "
        "wider bandwidth or a longer time constant.",
        "DiameterText", "-1 kelvin");
    // An area that rounds to zero has no one input to blame.
    row("area too small to hold", with({"DiameterText=1e-30"}), Button::Command2,
        "Division by zero: the flux is temperature fluctuation \u00D7 1.4E-23 / antenna area, and the antenna area "
        "is zero: too small to hold, it became zero. Check the dish diameter and the antenna efficiency.",
        "", "0.03162277 kelvin");
    // Every other sentence a step can give, once: the time constant's, the
    // results beyond single, 0 / 0 through each input.
    row("negative time constant", with({"TimeConstText=-1"}),
        Button::Command2,
        "Invalid argument: the bandwidth \u00D7 time product, bandwidth \u00D7 1E+07 \u00D7 time constant, is "
        "negative because the time constant is negative, and a negative number has no square root. Type a "
        "positive number into the time constant field.",
        "TimeConstText");
    row("zero time constant", with({"TimeConstText=0"}),
        Button::Command2,
        "Division by zero: the temperature fluctuation is system temperature / \u221A(bandwidth \u00D7 time "
        "product), and the bandwidth \u00D7 time product is zero because the time constant is zero. Type a number "
        "other than zero into the time constant field.",
        "TimeConstText");
    row("zero temperature over zero time constant", with({"SysTempText=0", "TimeConstText=0"}),
        Button::Command2,
        "Overflow: the temperature fluctuation is system temperature / \u221A(bandwidth \u00D7 time product), and "
        "with the system temperature and the bandwidth \u00D7 time product both zero (the time constant is zero) "
        "it is 0 / 0, which is no number. Type a number other than zero into the time constant field.",
        "TimeConstText");
    row("temperature fluctuation beyond single", with({"SysTempText=1e38", "BandwidthText=1e-30", "TimeConstText=1e-30"}),
        Button::Command2,
        "Overflow: the temperature fluctuation, system temperature / \u221A(bandwidth \u00D7 time product), is "
        "beyond the largest number a result can hold, about 3.4E+38. Check the system temperature, the bandwidth "
        "and the time constant.",
        "");
    row("zero temperature over zero diameter", with({"SysTempText=0", "DiameterText=0"}),
        Button::Command2,
        "Overflow: the flux is temperature fluctuation \u00D7 1.4E-23 / antenna area, and with the temperature "
        "fluctuation and the antenna area both zero (the dish diameter is zero) it is 0 / 0, which is no number. "
        "Type a number other than zero into the dish diameter field.",
        "DiameterText", "0 kelvin");
    row("zero temperature over zero antenna efficiency", with({"SysTempText=0", "AEfficiencyText=0"}),
        Button::Command2,
        "Overflow: the flux is temperature fluctuation \u00D7 1.4E-23 / antenna area, and with the temperature "
        "fluctuation and the antenna area both zero (the antenna efficiency is zero) it is 0 / 0, which is no "
        "number. Type a number other than zero into the antenna efficiency field.",
        "AEfficiencyText", "0 kelvin");
    row("flux over an area beyond single", with({"SysTempText=1e38", "DiameterText=1e-20"}),
        Button::Command2,
        "Overflow: the flux, temperature fluctuation \u00D7 1.4E-23 / antenna area, is beyond the largest number "
        "a result can hold, about 3.4E+38. Check the system temperature, the dish diameter and the antenna "
        "efficiency.",
        "", "3.162277E+34 kelvin");
    row("zero temperature over zero system efficiency", with({"SysTempText=0", "SysEfficiencyText=0"}),
        Button::Command2,
        "Overflow: the flux is (flux before the system efficiency) \u00D7 100 / system efficiency, and with the "
        "flux before the system efficiency and the system efficiency both zero it is 0 / 0, which is no number. "
        "Type a number other than zero into the system efficiency field.",
        "SysEfficiencyText", "0 kelvin");
    row("flux over a system efficiency beyond single", with({"SysTempText=1e30", "SysEfficiencyText=1e-38"}),
        Button::Command2,
        "Overflow: the flux, (flux before the system efficiency) \u00D7 100 / system efficiency, is beyond the "
        "largest number a result can hold, about 3.4E+38. Check the system efficiency.",
        "", "3.162278E+26 kelvin");
    row("wavelength beyond single", {"FreqText=1e-37"},
        Button::Command3,
        "Overflow: the wavelength, 300 / frequency, is beyond the largest number a result can hold, about "
        "3.4E+38. Check the frequency.",
        "");
    return cases;
}

// One case of the table for each kind of error, the one pick every front
// end's suite and the page's use.
inline constexpr std::array<std::string_view, 4> kOneReportOfEachKind{
    "empty", "field beyond single", "zero frequency", "negative bandwidth"};

inline std::vector<ReportCase> OneReportOfEachKind() {
    const std::vector<ReportCase> all = ReportCases();
    std::vector<ReportCase> picked;
    for (const std::string_view name : kOneReportOfEachKind) {
        const auto at = std::find_if(all.begin(), all.end(), [&](const ReportCase& c) { return c.name == name; });
        if (at == all.end()) {
            throw std::logic_error("no report case named " + std::string(name));
        }
        picked.push_back(*at);
    }
    return picked;
}

}  // namespace ardelin::test
