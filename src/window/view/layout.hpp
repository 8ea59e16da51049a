// SPDX-License-Identifier: GPL-3.0-or-later
// The scale rule: the layout table grows by one factor until every text fits
// whole. A front end measures what each control needs in its own font and
// style; this decides the factor and every pixel rectangle.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "window/view/controls.hpp"

namespace ardelin::view {

struct Size {
    int width;
    int height;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left;
    int top;
    int width;
    int height;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A placement in pixels at `scale`: positions to the nearest pixel, sizes up
// to the next, so that a size chosen to hold a text still holds it.
[[nodiscard]] Rect Scaled(const Placement& place, double scale);

struct Layout {
    double scale = 1.0;                  // 1 or more
    std::array<Rect, kControlCount> rects{};  // in the order of kControls
    Size client{};                       // the window's client area
};

// The smallest scale, `minimum` or more, at which each control (in the order
// of kControls) gets at least the pixel size it needs, and the layout at it.
// A front end that lays out in physical pixels passes its dots per inch / 96
// as the minimum; one in device-independent pixels keeps 1.
[[nodiscard]] Layout LayOut(const std::array<Size, kControlCount>& needed, double minimum = 1.0);

// The layout for a language read from the right: every control where the
// left-to-right one has it, seen in a mirror (its left edge at the client
// width less its right edge). The tab order stays.
[[nodiscard]] Layout Mirrored(const Layout& layout);

// The texts a control must show whole: a field's prompt, and for a result
// field the longest number texts it can be written, with every digit replaced
// by `widestDigit` (the font's widest), followed by the unit. Empty for a
// button, whose caption is its own.
[[nodiscard]] std::vector<std::string> TextsToShow(const Control& control, char decimalSeparator, char widestDigit,
                                                   const Language& language = InUse());

// The digit of greatest advance under `advance` (a callable from char to a
// width); the first such digit on a tie.
template <typename Advance>
[[nodiscard]] char WidestDigit(Advance&& advance) {
    char widest = '0';
    for (char d = '1'; d <= '9'; ++d) {
        if (advance(d) > advance(widest)) {
            widest = d;
        }
    }
    return widest;
}

}  // namespace ardelin::view
