// SPDX-License-Identifier: GPL-3.0-or-later
// The form model: every field of the Ardelin window, its text, and the three
// buttons with their bound calculations. Plain C++, so the calculations run
// and are tested without any window system.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ardelin {

enum class Field : std::size_t {
    DiameterText,
    WavelengthText,
    SysTempText,
    BandwidthText,
    TimeConstText,
    AEfficiencyText,
    SysEfficiencyText,
    BeamwidthText,
    DTText,
    LowerLimitText,
    FreqText,
};
inline constexpr std::size_t kFieldCount = 11;

enum class Button : std::size_t { Command1, Command2, Command3 };
inline constexpr std::size_t kButtonCount = 3;

// What the calculations know of a control: its name, and a field's first
// text. Its words for people (caption, tooltip, names) are the view's.
struct FieldInfo {
    std::string_view name;         // control name, such as "DiameterText"
    std::string_view initialText;  // prompt for an input, empty for a result
};

struct ButtonInfo {
    std::string_view name;  // control name, such as "Command1"
};

// What follows the number of a result: each unit's words, in the form's language.
enum class Unit : std::size_t { Degrees, Kelvin, Janskies };
inline constexpr std::size_t kUnitCount = 3;

// The words a form shows of its own: each field's prompt (empty for a
// result) and each unit, with its leading space. EnglishWords() gives the
// source texts; the window's description gives them in the language shown.
struct FormWords {
    std::array<std::string, kFieldCount> prompts;
    std::array<std::string, kUnitCount> units;
};
[[nodiscard]] const FormWords& EnglishWords();

[[nodiscard]] const FieldInfo& Info(Field field);
[[nodiscard]] const ButtonInfo& Info(Button button);
[[nodiscard]] std::optional<Field> FieldByName(std::string_view name);

inline constexpr std::array<Field, kFieldCount> kAllFields{
    Field::DiameterText,    Field::WavelengthText,    Field::SysTempText,   Field::BandwidthText,
    Field::TimeConstText,   Field::AEfficiencyText,   Field::SysEfficiencyText, Field::BeamwidthText,
    Field::DTText,          Field::LowerLimitText,    Field::FreqText,
};
inline constexpr std::array<Button, kButtonCount> kAllButtons{Button::Command1, Button::Command2,
                                                              Button::Command3};

class Form1 {
public:
    using Handler = std::function<void(Form1&)>;
    using TextObserver = std::function<void(Field)>;

    // decimalSeparator is the user's locale's, '.' or ','; the number
    // conversions of every calculation use it both ways. The fields start
    // with the prompts of `words`, and results end in its units.
    explicit Form1(char decimalSeparator = '.', FormWords words = EnglishWords());

    [[nodiscard]] const std::string& Text(Field field) const { return texts_[Index(field)]; }
    void SetText(Field field, std::string text);

    void Bind(Button button, Handler handler);
    // Runs the bound handler to completion; a CalcError leaves unchanged.
    void Press(Button button);

    [[nodiscard]] char DecimalSeparator() const { return decimalSeparator_; }
    [[nodiscard]] const std::string& Prompt(Field field) const { return words_.prompts[Index(field)]; }
    [[nodiscard]] const std::string& UnitText(Unit unit) const {
        return words_.units[static_cast<std::size_t>(unit)];
    }

    // Called after every change of a field's text, whoever made it; the
    // window uses it to show the new text at once.
    void SetTextObserver(TextObserver observer) { observer_ = std::move(observer); }

private:
    static constexpr std::size_t Index(Field f) { return static_cast<std::size_t>(f); }
    static constexpr std::size_t Index(Button b) { return static_cast<std::size_t>(b); }

    std::array<std::string, kFieldCount> texts_;
    std::array<Handler, kButtonCount> handlers_;
    TextObserver observer_;
    char decimalSeparator_;
    FormWords words_;
};

}  // namespace ardelin
