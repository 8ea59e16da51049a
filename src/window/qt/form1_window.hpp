// SPDX-License-Identifier: GPL-3.0-or-later
// The Ardelin window: a thin Qt layer over the session. The session's form
// holds every field's text; the line edits hand it the user's edits and the
// focus's comings and goings, and show what the session answers.
#pragma once

#include <QWidget>
#include <array>

#include "window/qt/field_edit.hpp"
#include "model/form1.hpp"
#include "window/view/controls.hpp"
#include "window/view/session.hpp"

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
    explicit Form1Window(view::Session& session, QWidget* parent = nullptr);
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Applies the session's answer, in order.
    void Apply(const view::Effects& effects);
    // Shows a report, modal, then applies what its closing brings.
    void Report(const view::Report& report);
    // Asks a screen reader to say `text` of `field`, without moving the focus.
    void Speak(Field field, const QString& text);
    // Chooses the scale for the current font and style and places every control.
    void ApplyLayout();

    view::Session& session_;
    std::array<FieldEdit*, kFieldCount> edits_{};
    std::array<QPushButton*, kButtonCount> buttons_{};
    std::array<QWidget*, view::kControlCount> controls_{};  // in tab order
    double scale_ = 1.0;
};

}  // namespace ardelin
