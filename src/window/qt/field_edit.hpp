// SPDX-License-Identifier: GPL-3.0-or-later
// A text field of the Ardelin window: a line edit that always shows a text
// from its start and lets a prompt give way to typing.
#pragma once

#include <QLineEdit>
#include <QStringList>

#include "model/form1.hpp"
#include "window/view/press.hpp"

namespace ardelin {

class FieldEdit : public QLineEdit {
public:
    FieldEdit(Field field, QWidget* parent);

    // Selects the whole text with the cursor at its start: the field shows
    // its beginning, and the first key typed replaces the text.
    void SelectFromStart();

    // The pixel size at which the field shows each of `texts` whole, without
    // scrolling: the widest text inside the style's frame and the line
    // edit's own margins, with room for the cursor.
    [[nodiscard]] QSize SizeToShow(const QStringList& texts) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] bool HoldsPrompt() const { return view::HoldsPrompt(field_, text().toStdString()); }

    Field field_;
    bool selectOnPress_ = false;  // the press that brought the focus selects the prompt
};

}  // namespace ardelin
