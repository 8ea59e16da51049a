// SPDX-License-Identifier: GPL-3.0-or-later
// One press of each button on valid inputs through the form model, timed
// with the standard clock alone, so that the same program runs natively and
// as WebAssembly under Node (bench/web compares the two). Prints the best of
// five rounds, in nanoseconds per press. Usage: press_loop [PRESSES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "calc/handlers.hpp"
#include "valid_inputs.hpp"
#include "model/form1.hpp"

int main(int argc, char* argv[]) {
    using ardelin::Button;
    const long presses = argc > 1 ? std::atol(argv[1]) : 200000;
    ardelin::Form1 form;
    ardelin::BindCalculations(form);
    ardelin::bench::FillValidInputs(form);
    const struct {
        const char* name;
        Button button;
    } buttons[] = {{"BeamWidth", Button::Command1}, {"LowerLimit", Button::Command2}, {"Convert", Button::Command3}};
    for (const auto& b : buttons) {
        double best = 1e300;
        for (int round = 0; round < 5; ++round) {
            const auto start = std::chrono::steady_clock::now();
            for (long i = 0; i < presses; ++i) {
                form.Press(b.button);
            }
            const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
            best = std::min(best, took.count() / static_cast<double>(presses));
        }
        std::printf("%-10s %8.1f ns\n", b.name, best);
    }
    return 0;
}
