// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, line by line, what the calculations make of a seeded sweep of
// inputs: every press's results or its fault (kind, step, 0 / 0), and the
// text of sampled singles and doubles. Built twice, once with the floating-
// point flags and the library's number text and once as WebAssembly builds
// it (the flag-free fault test, fast_float and {fmt}); the two outputs must
// be the same to the byte.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "calc/calc_error.hpp"
#include "calc/handlers.hpp"
#include "calc/numbers.hpp"
#include "model/form1.hpp"

namespace {

using ardelin::Field;

float FromBits(std::uint32_t bits) {
    float f = 0;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// An input as a user might type it: mostly the edges (zeros, the largest and
// smallest singles, subnormals, beyond the range) and any finite bit
// pattern, with either sign; some ordinary values, so that long chains of
// steps run to their later ones.
std::string Input(std::mt19937_64& random) {
    constexpr float kMax = std::numeric_limits<float>::max();
    constexpr float kMin = std::numeric_limits<float>::min();
    constexpr float kTiny = std::numeric_limits<float>::denorm_min();
    const float edges[] = {0.0F, kMax, kMin, kTiny, 1.0F, 2.0F, 1e-20F, 1e19F, 3e38F, 1e-38F, 0.5F};
    const bool negative = (random() & 7U) == 0;
    float value = 0;
    switch (random() % 6) {
        case 0: value = edges[random() % std::size(edges)]; break;
        case 1: value = FromBits(static_cast<std::uint32_t>(random() % 0x7F800000U)); break;  // any finite
        case 2: value = FromBits(static_cast<std::uint32_t>(random() % 0x00800000U)); break;  // subnormal
        case 3: return negative ? "-1e39" : (random() & 1U) != 0 ? "1e39" : "1e-50";
        default: value = static_cast<float>(std::pow(10.0, std::uniform_real_distribution<>(-8, 8)(random))); break;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(negative ? -value : value));
    return text;
}

}  // namespace

int main(int argc, char* argv[]) try {
    const long forms = argc > 1 ? std::atol(argv[1]) : 100000;
    std::mt19937_64 random(20261209);
    for (long n = 0; n < forms; ++n) {
        ardelin::Form1 form;
        ardelin::BindCalculations(form);
        for (const Field f : ardelin::kAllFields) {
            form.SetText(f, Input(random));
        }
        for (const ardelin::Button b : ardelin::kAllButtons) {
            ardelin::Form1 pressed = form;
            try {
                pressed.Press(b);
                std::printf("%s|%s|%s|%s\n", pressed.Text(Field::BeamwidthText).c_str(),
                            pressed.Text(Field::DTText).c_str(), pressed.Text(Field::LowerLimitText).c_str(),
                            pressed.Text(Field::WavelengthText).c_str());
            } catch (const ardelin::CalcError& e) {
                std::printf("%s %d %d %s\n", ardelin::KindName(e.Kind()), static_cast<int>(e.Step()),
                            e.NoNumber() ? 1 : 0, pressed.Text(Field::DTText).c_str());
            }
        }
    }
    // Every 4099th single written and read back in both separators, and
    // doubles with four significant digits as the report writes large fluxes.
    for (std::uint64_t bits = 0; bits < 0x7F800000ULL; bits += 4099) {
        const float x = FromBits(static_cast<std::uint32_t>(bits));
        const std::string text = ardelin::FormatSingle(-x, ',');
        const ardelin::ParsedSingle back = ardelin::ParseSingle(text, ',');
        std::uint32_t backBits = 0;
        std::memcpy(&backBits, &back.value, sizeof backBits);
        std::printf("%s %s %08x\n", ardelin::FormatSingle(x, '.').c_str(), text.c_str(), backBits);
    }
    std::uniform_real_distribution<> exponent(9, 300);
    for (int n = 0; n < 200000; ++n) {
        const double x = std::pow(10.0, exponent(random));
        std::printf("%s\n", ardelin::FormatScientific(x, 4, '.').c_str());
    }
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
}
