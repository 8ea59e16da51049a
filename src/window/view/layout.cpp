// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/layout.hpp"

#include <algorithm>
#include <cmath>

#include "calc/numbers.hpp"

namespace ardelin::view {

Rect Scaled(const Placement& place, double scale) {
    const double perTwip = scale / kTwipsPerPixel;
    // A size computed as needed / scale comes back a hair off; never round it up a whole pixel for that.
    auto up = [perTwip](int twips) { return static_cast<int>(std::ceil(twips * perTwip - 1e-6)); };
    return {static_cast<int>(std::lround(place.left * perTwip)), static_cast<int>(std::lround(place.top * perTwip)),
            up(place.width), up(place.height)};
}

Layout LayOut(const std::array<Size, kControlCount>& needed, double minimum) {
    Layout layout;
    layout.scale = minimum;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Placement& place = kControls.at(i).place;
        layout.scale = std::max({layout.scale, needed.at(i).width * double{kTwipsPerPixel} / place.width,
                                 needed.at(i).height * double{kTwipsPerPixel} / place.height});
    }
    for (std::size_t i = 0; i < kControlCount; ++i) {
        layout.rects.at(i) = Scaled(kControls.at(i).place, layout.scale);
    }
    const Rect client = Scaled(kClientTwips, layout.scale);
    layout.client = {client.width, client.height};
    return layout;
}

Layout Mirrored(const Layout& layout) {
    Layout mirrored = layout;
    for (Rect& r : mirrored.rects) {
        r.left = layout.client.width - r.left - r.width;
    }
    return mirrored;
}

std::vector<std::string> TextsToShow(const Control& control, char decimalSeparator, char widestDigit,
                                     const Language& language) {
    std::vector<std::string> texts;
    const Field* field = std::get_if<Field>(&control.which);
    if (field == nullptr) {
        return texts;
    }
    if (const std::string_view prompt = Prompt(*field, language); !prompt.empty()) {
        texts.emplace_back(prompt);
    }
    if (const std::optional<std::string_view> unit = ResultUnit(control, language)) {
        for (std::string number : LongestSingleTexts(decimalSeparator)) {
            std::replace_if(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }, widestDigit);
            texts.push_back(number + std::string(*unit));
        }
    }
    return texts;
}

}  // namespace ardelin::view
