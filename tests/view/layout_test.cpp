// SPDX-License-Identifier: GPL-3.0-or-later
// The window's description: the control table, the scale rule and the texts
// each control must show whole.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window/view/controls.hpp"
#include "window/view/layout.hpp"

namespace ardelin::view {
namespace {

std::array<Size, kControlCount> TableAt15TwipsAPixel() {
    std::array<Size, kControlCount> needs{};
    for (std::size_t i = 0; i < kControlCount; ++i) {
        needs[i] = {kControls[i].place.width / kTwipsPerPixel, kControls[i].place.height / kTwipsPerPixel};
    }
    return needs;
}

TEST(Controls, TabOrderNamesAndScreenReaderNames) {
    // Each control's name, its name for screen readers, and a button's caption.
    const std::vector<std::array<std::string, 3>> expected = {
        {"DiameterText", "Dish diameter (m)", ""},
        {"WavelengthText", "Wavelength (m)", ""},
        {"SysTempText", "System temperature (K)", ""},
        {"BandwidthText", "Bandwidth (MHz)", ""},
        {"TimeConstText", "Time constant (s)", ""},
        {"AEfficiencyText", "Antenna efficiency (%)", ""},
        {"SysEfficiencyText", "System efficiency (%)", ""},
        {"Command1", "Beam Width", "&Beam Width"},
        {"BeamwidthText", "Beam width result (degrees)", ""},
        {"Command2", "Lower limit", "&Lower limit"},
        {"LowerLimitText", "Lowest detectable flux fluctuation result (Jy)", ""},
        {"DTText", "Lowest detectable temperature fluctuation result (K)", ""},
        {"FreqText", "Frequency to convert (MHz)", ""},
        {"Command3", "Convert", "&Convert"},
    };
    ASSERT_EQ(expected.size(), kControlCount);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        EXPECT_EQ(Name(kControls[i]), expected[i][0]);
        EXPECT_EQ(kControls[i].accessibleName, expected[i][1]);
        if (const Button* b = std::get_if<Button>(&kControls[i].which)) {
            EXPECT_EQ(Caption(*b), expected[i][2]);
        }
    }
    EXPECT_EQ(&ControlOf(Field::FreqText), &kControls[12]);
    EXPECT_EQ(&ControlOf(Button::Command2), &kControls[9]);
}

// A button's key as the page's accesskey attribute takes it: lower case
// where the letter has cases, as it is where it has none.
TEST(Controls, AccessKeyInLowerCase) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"B", "b"},          {"b", "b"},          {"7", "7"},          {"", ""},
        {"\u00C9", "\u00E9"}, {"\u00D7", "\u00D7"}, {"\u0428", "\u0448"}, {"\u0401", "\u0451"},
        {"\u03A3", "\u03C3"}, {"\u05E8", "\u05E8"}, {"\u30D3", "\u30D3"},
    };
    for (const auto& [key, lower] : cases) {
        EXPECT_EQ(LowerKey(key), lower) << key;
    }
}

// A font narrow enough for the table gives scale 1: the table as drawn, 15
// twips a pixel, in a 314 x 383 client area.
TEST(Layout, TableAsDrawnWhenEveryTextFits) {
    const Layout layout = LayOut(TableAt15TwipsAPixel());
    EXPECT_EQ(layout.scale, 1.0);
    EXPECT_EQ(layout.client, (Size{314, 383}));
    // Every row, in tab order: a one-twip change anywhere shows here.
    const std::array<Rect, kControlCount> expected{{
        {8, 8, 105, 19}, {8, 32, 105, 19}, {8, 56, 105, 19}, {8, 80, 105, 19}, {8, 104, 105, 19},
        {8, 128, 105, 19}, {8, 152, 105, 19}, {128, 24, 73, 17}, {216, 24, 89, 19}, {128, 64, 73, 17},
        {216, 88, 89, 19}, {216, 64, 89, 19}, {8, 336, 145, 19}, {168, 336, 49, 17},
    }};
    for (std::size_t i = 0; i < kControlCount; ++i) {
        EXPECT_EQ(layout.rects[i], expected[i]) << Name(kControls[i]);
    }
}

// The control that needs the most decides the one factor for all; positions
// round to the nearest pixel, sizes up, so each control holds what it needs.
TEST(Layout, OneFactorFromTheNeediestControl) {
    struct Case {
        const char* name;
        std::size_t control;
        Size need;
        double scale;
    };
    const Case cases[] = {
        {"wide result", 10, {154, 10}, 154.0 * 15 / 1335},
        {"tall button", 13, {10, 26}, 26.0 * 15 / 255},
        {"wide prompt", 12, {290, 19}, 290.0 * 15 / 2175},
        {"smaller than the table", 0, {50, 10}, 1.0},
    };
    for (const Case& c : cases) {
        std::array<Size, kControlCount> needs{};
        needs[c.control] = c.need;
        const Layout layout = LayOut(needs);
        EXPECT_DOUBLE_EQ(layout.scale, c.scale) << c.name;
        for (std::size_t i = 0; i < kControlCount; ++i) {
            EXPECT_EQ(layout.rects[i], Scaled(kControls[i].place, c.scale)) << c.name;
        }
        EXPECT_GE(layout.rects[c.control].width, c.need.width) << c.name;
        EXPECT_GE(layout.rects[c.control].height, c.need.height) << c.name;
        const Rect client = Scaled(kClientTwips, c.scale);
        EXPECT_EQ(layout.client, (Size{client.width, client.height})) << c.name;
    }
}

// At 144 dots per inch the table starts at 1.5 times its pixels; a text
// that needs more still decides.
TEST(Layout, MinimumScaleForPhysicalPixels) {
    EXPECT_EQ(LayOut(TableAt15TwipsAPixel(), 1.5).scale, 1.5);
    EXPECT_EQ(LayOut(TableAt15TwipsAPixel(), 1.5).client, (Size{471, 575}));
    std::array<Size, kControlCount> needs = TableAt15TwipsAPixel();
    needs[8] = {267, 10};  // BeamwidthText, twice its table width
    EXPECT_DOUBLE_EQ(LayOut(needs, 1.5).scale, 267.0 * 15 / 1335);
}

TEST(Layout, ScaledRoundsPositionsToNearestAndSizesUp) {
    EXPECT_EQ(Scaled({120, 480, 1575, 285}, 1.5), (Rect{12, 48, 158, 29}));  // 157.5 -> 158, 28.5 -> 29
    EXPECT_EQ(Scaled({3240, 1320, 1335, 285}, 1.7303), (Rect{374, 152, 154, 33}));
    EXPECT_EQ(Scaled({3240, 960, 1335, 285}, 1.7303).top, 111);  // 110.7: nearest, not truncated
    // A size exactly whole at this scale is not rounded up for a hair of error.
    EXPECT_EQ(Scaled({0, 0, 1335, 285}, 154.0 * 15 / 1335).width, 154);
}

TEST(TextsToShow, PromptsAndTheWidestResults) {
    EXPECT_EQ(TextsToShow(ControlOf(Field::DiameterText), '.', '0'), std::vector<std::string>{"Diameter of dish (m)"});
    EXPECT_EQ(TextsToShow(ControlOf(Field::LowerLimitText), ',', '8'),
              (std::vector<std::string>{"-8,8888888888 Janskies", "-8,888888E-88 Janskies", "-8,888888E+88 Janskies"}));
    // The wavelength field shows its prompt and Convert's bare numbers.
    EXPECT_EQ(TextsToShow(ControlOf(Field::WavelengthText), '.', '5'),
              (std::vector<std::string>{"Wavelength (m)", "-5.5555555555", "-5.555555E-55", "-5.555555E+55"}));
    EXPECT_EQ(TextsToShow(ControlOf(Field::BeamwidthText), '.', '0').back(), "-0.000000E+00 degrees");
    EXPECT_EQ(TextsToShow(ControlOf(Field::DTText), '.', '0').back(), "-0.000000E+00 kelvin");
    EXPECT_TRUE(TextsToShow(ControlOf(Button::Command1), '.', '0').empty());
}

TEST(TextsToShow, WidestDigitIsTheFirstOfGreatestAdvance) {
    EXPECT_EQ(WidestDigit([](char d) { return d == '4' || d == '7' ? 9 : 7; }), '4');
    EXPECT_EQ(WidestDigit([](char) { return 6; }), '0');
    EXPECT_EQ(WidestDigit([](char d) { return d == '9' ? 8 : 7; }), '9');
}

// A language read from the right sees the table in a mirror: each control's
// right edge where its left edge was, the rows and sizes as they were.
TEST(Layout, MirroredForRightToLeft) {
    std::array<Size, kControlCount> needed{};
    needed.fill({10, 10});
    const Layout ltr = LayOut(needed, 1.5);
    const Layout rtl = Mirrored(ltr);
    EXPECT_EQ(rtl.client, ltr.client);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Rect& a = ltr.rects.at(i);
        const Rect& b = rtl.rects.at(i);
        EXPECT_EQ(b, (Rect{ltr.client.width - a.left - a.width, a.top, a.width, a.height})) << i;
        EXPECT_GE(b.left, 0);
    }
    EXPECT_EQ(Mirrored(rtl).rects, ltr.rects);
}

TEST(Caption, SplitAtItsAccessKeyOfOneCharacter) {
    const struct {
        std::string_view caption, before, key, after;
    } cases[] = {
        {"&Beam Width", "", "B", "eam Width"},
        {"ビーム幅(&B)", "ビーム幅(", "B", ")"},
        {"&המרה", "", "ה", "מרה"},  // a two-byte key
        {"&Ширина", "", "Ш", "ирина"},
        {"No key", "No key", "", ""},
        {"Ends in &", "Ends in &", "", ""},
    };
    for (const auto& c : cases) {
        const CaptionParts parts = SplitCaption(c.caption);
        EXPECT_EQ(parts.before, c.before) << c.caption;
        EXPECT_EQ(parts.key, c.key) << c.caption;
        EXPECT_EQ(parts.after, c.after) << c.caption;
    }
}

}  // namespace
}  // namespace ardelin::view
