// SPDX-License-Identifier: GPL-3.0-or-later
// One press of each button on valid inputs, through the form model: read the
// fields, compute, format and write the results.
#include <benchmark/benchmark.h>

#include "calc/handlers.hpp"
#include "valid_inputs.hpp"
#include "model/form1.hpp"

namespace {

using ardelin::Button;
using ardelin::Field;
using ardelin::Form1;

void Press(benchmark::State& state, Button button) {
    Form1 form;
    BindCalculations(form);
    ardelin::bench::FillValidInputs(form);
    for (auto _ : state) {
        form.Press(button);
        benchmark::DoNotOptimize(form.Text(Field::BeamwidthText).data());
    }
}

void BM_BeamWidth(benchmark::State& state) { Press(state, Button::Command1); }
void BM_LowerLimit(benchmark::State& state) { Press(state, Button::Command2); }
void BM_Convert(benchmark::State& state) { Press(state, Button::Command3); }

BENCHMARK(BM_BeamWidth);
BENCHMARK(BM_LowerLimit);
BENCHMARK(BM_Convert);

}  // namespace
