// The Ardelin window: a thin Qt layer over the form model. The model holds
// every field's text; the line edits show it and hand the user's edits back.
#pragma once

#include <QWidget>
#include <array>

#include "window/form1.hpp"

class QLineEdit;
class QLocale;
class QPushButton;

namespace ardelin {

class CalcError;

// The decimal separator of a locale as the form model takes it: ',' where the
// locale writes one, '.' for every other locale.
[[nodiscard]] char DecimalSeparatorOf(const QLocale& locale);

// Lengths are in twips; the window shows 15 of them to a device-independent pixel.
struct Placement {
    int left;
    int top;
    int width;
    int height;
};
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 4710;
inline constexpr int kClientHeightTwips = 5745;

class Form1Window : public QWidget {
    Q_OBJECT

public:
    explicit Form1Window(Form1& form, QWidget* parent = nullptr);
    ~Form1Window() override;

    [[nodiscard]] QLineEdit* Edit(Field field) const { return edits_[static_cast<std::size_t>(field)]; }
    [[nodiscard]] QPushButton* ButtonWidget(Button button) const {
        return buttons_[static_cast<std::size_t>(button)];
    }

    // The text the error report shows for an error.
    [[nodiscard]] static QString ReportText(const CalcError& error);

private:
    void Press(Button button);
    void Report(const CalcError& error);
    void ShowModelText(Field field);

    Form1& form_;
    std::array<QLineEdit*, kFieldCount> edits_{};
    std::array<QPushButton*, kButtonCount> buttons_{};
};

}  // namespace ardelin
