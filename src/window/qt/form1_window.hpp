// SPDX-License-Identifier: GPL-3.0-or-later
// The Ardelin window: a thin Qt layer over the form model. The model holds
// every field's text; the line edits show it and hand the user's edits back.
#pragma once

#include <QWidget>
#include <array>

#include "window/qt/field_edit.hpp"
#include "model/form1.hpp"
#include "window/view/controls.hpp"

class QIcon;
class QLocale;
class QPushButton;

namespace ardelin {

class CalcError;

// The program's icon: the icon file's four images and a full-colour one of
// 48 pixels, the sizes a window uses.
[[nodiscard]] QIcon AppIcon();

// The decimal separator of a locale as the form model takes it.
[[nodiscard]] char DecimalSeparatorOf(const QLocale& locale);

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
    // Shows a press's report, then sends the focus to the field to change.
    void Report(const view::Report& report);
    void ShowModelText(Field field);
    // Chooses the scale for the current font and style and places every control.
    void ApplyLayout();

    Form1& form_;
    std::array<FieldEdit*, kFieldCount> edits_{};
    std::array<QPushButton*, kButtonCount> buttons_{};
    std::array<QWidget*, view::kControlCount> controls_{};  // in tab order
    double scale_ = 1.0;
};

}  // namespace ardelin
