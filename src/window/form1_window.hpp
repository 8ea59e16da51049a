// SPDX-License-Identifier: GPL-3.0-or-later
// The Ardelin window: a thin Qt layer over the form model. The model holds
// every field's text; the line edits show it and hand the user's edits back.
#pragma once

#include <QWidget>
#include <array>

#include "window/field_edit.hpp"
#include "window/form1.hpp"

class QIcon;
class QLocale;
class QPushButton;

namespace ardelin {

class CalcError;

// The program's icon: the icon file's four images and full-colour ones of 48
// to 256 pixels.
[[nodiscard]] QIcon AppIcon();

// The decimal separator of a locale as the form model takes it: ',' where the
// locale writes one, '.' for every other locale.
[[nodiscard]] char DecimalSeparatorOf(const QLocale& locale);

// Lengths in twips. At scale factor 1 the window shows 15 of them to a
// device-independent pixel; the factor grows with the font (Form1Window::Scale).
struct Placement {
    int left;
    int top;
    int width;
    int height;
};
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 4710;
inline constexpr int kClientHeightTwips = 5745;

// A placement in pixels at `scale`: positions to the nearest pixel, sizes up
// to the next, so that a size chosen to hold a text still holds it.
[[nodiscard]] QRect Scaled(const Placement& place, double scale);

class Form1Window : public QWidget {
    Q_OBJECT

public:
    explicit Form1Window(Form1& form, QWidget* parent = nullptr);
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    [[nodiscard]] FieldEdit* Edit(Field field) const { return edits_[static_cast<std::size_t>(field)]; }
    [[nodiscard]] QPushButton* ButtonWidget(Button button) const {
        return buttons_[static_cast<std::size_t>(button)];
    }

    // The factor by which the twips table is shown: the smallest one, 1 or
    // more, at which every prompt, caption and result text fits whole in
    // the window's font and style.
    [[nodiscard]] double Scale() const { return scale_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Press(Button button);
    void Report(const CalcError& error);
    void ShowModelText(Field field);
    // Chooses the scale for the current font and style and places every control.
    void ApplyLayout();

    Form1& form_;
    std::array<FieldEdit*, kFieldCount> edits_{};
    std::array<QPushButton*, kButtonCount> buttons_{};
    std::array<QWidget*, kFieldCount + kButtonCount> controls_{};  // in tab order
    double scale_ = 1.0;
};

}  // namespace ardelin
