// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt/field_edit.hpp"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <utility>

namespace ardelin {
namespace {

// QLineEdit keeps this many pixels between its contents rectangle and the
// text on each side, across and down, and shows a text unscrolled only when
// the text and a one-pixel cursor fit between them.
constexpr int kTextMarginAcross = 2;
constexpr int kTextMarginDown = 1;
constexpr int kCursorWidth = 1;

}  // namespace

FieldEdit::FieldEdit(Field field, Hooks hooks, QWidget* parent)
    : QLineEdit(parent), field_(field), hooks_(std::move(hooks)) {}

void FieldEdit::SelectFromStart() {
    const auto length = static_cast<int>(text().size());
    setSelection(length, -length);
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);  // first: Tab's own selection, which the session's may replace
    if (hooks_.focusIn) {
        hooks_.focusIn(field_, event->reason());
    }
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (hooks_.focusOut) {
        hooks_.focusOut(field_, event->reason());
    }
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && hooks_.primaryPress && hooks_.primaryPress(field_)) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

QSize FieldEdit::SizeToShow(const QStringList& texts) const {
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const QString& t : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(t));
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    // The frame's width does not depend on the size; measure it on any.
    option.rect = QRect(0, 0, 1000, 1000);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    const int frameAcross = option.rect.width() - contents.width() + margins.left() + margins.right();
    const int frameDown = option.rect.height() - contents.height() + margins.top() + margins.bottom();
    return {frameAcross + 2 * kTextMarginAcross + widest + kCursorWidth,
            frameDown + 2 * kTextMarginDown + metrics.height()};
}

}  // namespace ardelin
