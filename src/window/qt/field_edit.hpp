// SPDX-License-Identifier: GPL-3.0-or-later
// A text field of the Ardelin window: a line edit that hands its focus and
// its primary presses to the window, which asks the session what follows.
#pragma once

#include <QLineEdit>
#include <QStringList>
#include <functional>

#include "model/form1.hpp"

namespace ardelin {

class FieldEdit : public QLineEdit {
public:
    // What the field reports: the focus coming in or leaving, with Qt's
    // reason, and a primary press, which the hook may take (true: it did).
    struct Hooks {
        std::function<void(Field, Qt::FocusReason)> focusIn;
        std::function<void(Field, Qt::FocusReason)> focusOut;
        std::function<bool(Field)> primaryPress;
    };
    FieldEdit(Field field, Hooks hooks, QWidget* parent);

    // Selects the whole text with the cursor at its start: the field shows
    // its beginning, and the first key typed replaces the text.
    void SelectFromStart();

    // Stops reporting: the window calls it as it is destroyed, before
    // QWidget's destructor closes it and moves the focus out of the field.
    void Detach() { hooks_ = {}; }

    // The pixel size at which the field shows each of `texts` whole, without
    // scrolling: the widest text inside the style's frame and the line
    // edit's own margins, with room for the cursor.
    [[nodiscard]] QSize SizeToShow(const QStringList& texts) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Field field_;
    Hooks hooks_;
};

}  // namespace ardelin
