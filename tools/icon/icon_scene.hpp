// SPDX-License-Identifier: GPL-3.0-or-later
// The Ardelin icon, a dish under a night sky pointing at the stars, as one
// description of shapes: rendered to pixels for the icon file and the PNGs,
// and written out as SVG for the scalable icon. Plain C++.
#pragma once

#include <string>
#include <vector>

namespace ardelin::icon {

struct Rgb {
    int r, g, b;
};

// A pixel, its colour channels 0..255 and its coverage 0..1.
struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

// The picture at size x size pixels, rows top down, each pixel the average of
// 4 x 4 samples.
[[nodiscard]] std::vector<Rgba> Render(int size);

// The same picture as an SVG document, `size` pixels wide by default.
[[nodiscard]] std::string Svg(int size);

}  // namespace ardelin::icon
