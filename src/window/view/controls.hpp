// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, described once for every front end: where each one
// sits in the layout table (twips), its tooltip, its name for screen readers
// and the unit of the results written into it. Plain C++, no toolkit.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/form1.hpp"
#include "model/text_mark.hpp"
#include "window/view/catalogue.hpp"

namespace ardelin::view {

// Lengths in twips. At scale factor 1 the window shows 15 of them to a
// device-independent pixel; the factor grows with the font (layout.hpp).
struct Placement {
    int left;
    int top;
    int width;
    int height;
};
inline constexpr int kTwipsPerPixel = 15;
inline constexpr Placement kClientTwips{0, 0, 4710, 5745};

inline constexpr std::size_t kControlCount = kFieldCount + kButtonCount;

// What a calculation writes into a control: nothing, a bare number (the
// wavelength), or a number and its unit.
struct Written {
    bool number;
    std::optional<Unit> unit;
};
inline constexpr Written kNothing{false, std::nullopt};
inline constexpr Written kBare{true, std::nullopt};
constexpr Written In(Unit unit) { return {true, unit}; }

// A control's words for people are English here, marked for translation;
// the functions below give them in the language in use.
struct Control {
    std::variant<Field, Button> which;
    Placement place;
    std::string_view caption;         // a button's, '&' marking its access key; empty for a field
    std::string_view toolTip;         // empty: none
    std::string_view accessibleName;  // what a screen reader calls the control
    Written written;                  // what a calculation writes here
};

// Every field and button, in tab order.
inline constexpr std::array<Control, kControlCount> kControls{{
    // TRANSLATORS: a field's tooltip, then its name for screen readers, which the reports quote as the field's
    // label (the page also shows it as the label on a phone; a field's prompt is the same text).
    {Field::DiameterText, {120, 120, 1575, 285}, "", N_("Diameter in metres"),
     N_("Dish diameter (m)"), kNothing},
    {Field::WavelengthText, {120, 480, 1575, 285}, "", "", N_("Wavelength (m)"), kBare},
    {Field::SysTempText, {120, 840, 1575, 285}, "", N_("Temperature in kelvin - typically 100"),
     N_("System temperature (K)"), kNothing},
    {Field::BandwidthText, {120, 1200, 1575, 285}, "", N_("e g 4Ghz = 4000 Mhz"),
     N_("Bandwidth (MHz)"), kNothing},
    {Field::TimeConstText, {120, 1560, 1575, 285}, "", N_("Value in seconds"),
     N_("Time constant (s)"), kNothing},
    {Field::AEfficiencyText, {120, 1920, 1575, 285}, "", N_("Typically 50 or 60"),
     N_("Antenna efficiency (%)"), kNothing},
    {Field::SysEfficiencyText, {120, 2280, 1575, 285}, "", N_("Typically 10"),
     N_("System efficiency (%)"), kNothing},
    // TRANSLATORS: a button's caption; the letter after '&' is its access key (Alt+letter), and the three
    // buttons' keys differ. Japanese and Chinese put the Latin letter after the caption: "…(&B)".
    {Button::Command1, {1920, 360, 1095, 255}, N_("&Beam Width"), "", N_("Beam Width"), kNothing},
    {Field::BeamwidthText, {3240, 360, 1335, 285}, "", "", N_("Beam width result (degrees)"),
     In(Unit::Degrees)},
    // TRANSLATORS: a button's caption, with its access key after '&'.
    {Button::Command2, {1920, 960, 1095, 255}, N_("&Lower limit"), N_("Lowest detectable fluctuation"),
     N_("Lower limit"), kNothing},
    {Field::LowerLimitText, {3240, 1320, 1335, 285}, "",
     N_("Lowest detectable fluctuation in Janskies/Flux Units"), N_("Lowest detectable flux fluctuation result (Jy)"),
     In(Unit::Janskies)},
    {Field::DTText, {3240, 960, 1335, 285}, "",
     N_("Lowest detectable fluctuation - in kelvin"), N_("Lowest detectable temperature fluctuation result (K)"),
     In(Unit::Kelvin)},
    {Field::FreqText, {120, 5040, 2175, 285}, "", "", N_("Frequency to convert (MHz)"), kNothing},
    // TRANSLATORS: a button's caption, with its access key after '&'.
    {Button::Command3, {2520, 5040, 735, 255}, N_("&Convert"), "", N_("Convert"), kNothing},
}};

// True when every field and every button stands in the table exactly once.
consteval bool NamesEveryControlOnce(const std::array<Control, kControlCount>& controls) {
    std::array<int, kControlCount> seen{};
    for (const Control& c : controls) {
        const std::size_t i = std::holds_alternative<Field>(c.which)
                                  ? static_cast<std::size_t>(std::get<Field>(c.which))
                                  : kFieldCount + static_cast<std::size_t>(std::get<Button>(c.which));
        if (i >= kControlCount || ++seen[i] != 1 || c.place.width <= 0 || c.place.height <= 0) {
            return false;
        }
    }
    return true;
}
static_assert(NamesEveryControlOnce(kControls), "every field and button needs exactly one row");

// The control's name, such as "DiameterText" or "Command1".
[[nodiscard]] std::string_view Name(const Control& control);

// The texts a person sees of a control, in `language`:
// its tooltip (empty: none), its name for screen readers, a button's caption
// ('&' marks the access key), a field's prompt (empty for a result), and
// what follows the number of a result written into it (nullopt: none is).
[[nodiscard]] std::string_view ToolTip(const Control& control, const Language& language = InUse());
[[nodiscard]] std::string_view AccessibleName(const Control& control, const Language& language = InUse());
[[nodiscard]] std::string_view Caption(Button button, const Language& language = InUse());
[[nodiscard]] std::string_view Prompt(Field field, const Language& language = InUse());
[[nodiscard]] std::optional<std::string_view> ResultUnit(const Control& control, const Language& language = InUse());

// A caption split at its access key: "&Beam Width" gives "", "B" and
// "eam Width"; "ビーム幅(&B)" gives "ビーム幅(", "B" and ")". No '&': the
// whole caption before, and no key.
struct CaptionParts {
    std::string_view before;
    std::string_view key;
    std::string_view after;
};
[[nodiscard]] CaptionParts SplitCaption(std::string_view caption);

// A control's words in `language` as one record, for a front end that takes
// them as data: the page's HTML written at build time and the page in a
// language loaded at run time alike. A button's access key comes as its
// caption shows it and as the page's accesskey attribute wants it, in lower
// case.
struct ControlWords {
    std::string_view name;
    std::string_view label;    // its name for screen readers; a field's visible label on a phone
    std::string_view toolTip;  // empty: none
    std::string_view prompt;   // a field's; empty for a result and a button
    CaptionParts caption;      // a button's
    std::string accessKey;     // empty: none
};
[[nodiscard]] ControlWords WordsOf(const Control& control, const Language& language = InUse());

// A key as lower case, for the letters of the languages there are (Latin,
// Greek, Cyrillic); a letter of no case, or any other, as it is.
[[nodiscard]] std::string LowerKey(std::string_view key);

// The form's own words in `language`, for the form a session makes.
[[nodiscard]] FormWords Words(const Language& language = InUse());

// The row of a field or a button.
[[nodiscard]] const Control& ControlOf(Field field);
[[nodiscard]] const Control& ControlOf(Button button);

}  // namespace ardelin::view
