// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary texts in all eleven fields, then any sequence of the three
// buttons. After each press: no calculation changed its own inputs, a failed
// press changed only what its failure may leave, and every result written is
// a number that reads back, followed by its unit.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/calc_error.hpp"
#include "calc/handlers.hpp"
#include "calc/numbers.hpp"
#include "model/form1.hpp"

namespace {

using ardelin::Button;
using ardelin::Field;

struct Rule {
    std::vector<Field> inputs;
    std::vector<std::pair<Field, const char*>> outputs;  // with unit suffix
    std::vector<Field> keptOnFailure;                   // outputs a failure may already have written
};

const std::array<Rule, 3>& Rules() {
    static const std::array<Rule, 3> rules{{
    {{Field::WavelengthText, Field::DiameterText}, {{Field::BeamwidthText, " degrees"}}, {}},
    {{Field::SysTempText, Field::BandwidthText, Field::TimeConstText, Field::SysEfficiencyText, Field::DiameterText,
      Field::AEfficiencyText},
     {{Field::DTText, " kelvin"}, {Field::LowerLimitText, " Janskies"}},
     {Field::DTText}},
    {{Field::FreqText}, {{Field::WavelengthText, ""}}, {}},
    }};
    return rules;
}

[[noreturn]] void Fail(const char* what, Button b, Field f, const std::string& text) {
    std::fprintf(stderr, "%s after %s in %s: \"%s\"\n", what, std::string(ardelin::Info(b).name).c_str(),
                 std::string(ardelin::Info(f).name).c_str(), text.c_str());
    std::abort();
}

bool Contains(const std::vector<Field>& v, Field f) {
    for (const Field x : v) {
        if (x == f) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ardelin::Form1 form(in.ConsumeBool() ? ',' : '.');
    ardelin::BindCalculations(form);
    for (const Field f : ardelin::kAllFields) {
        form.SetText(f, in.ConsumeRandomLengthString(64));
    }
    for (int presses = 0; presses < 8 && in.remaining_bytes() > 0; ++presses) {
        const auto button = static_cast<Button>(in.ConsumeIntegralInRange<int>(0, 2));
        const Rule& rule = Rules()[static_cast<std::size_t>(button)];
        std::array<std::string, ardelin::kFieldCount> before;
        for (const Field f : ardelin::kAllFields) before[static_cast<std::size_t>(f)] = form.Text(f);

        bool failed = false;
        try {
            form.Press(button);
        } catch (const ardelin::CalcError&) {
            failed = true;
        }

        for (const Field f : ardelin::kAllFields) {
            const std::string& now = form.Text(f);
            const bool changed = now != before[static_cast<std::size_t>(f)];
            bool isOutput = false;
            for (const auto& [out, unit] : rule.outputs) isOutput = isOutput || out == f;
            if (changed && Contains(rule.inputs, f) && !isOutput) Fail("input changed", button, f, now);
            if (changed && !isOutput) Fail("unrelated field changed", button, f, now);
            if (changed && failed && !Contains(rule.keptOnFailure, f)) Fail("failed press wrote", button, f, now);
        }
        for (const auto& [out, unit] : rule.outputs) {
            const std::string& now = form.Text(out);
            const bool written = !failed || (Contains(rule.keptOnFailure, out) && now != before[static_cast<std::size_t>(out)]);
            if (!written) continue;
            const std::string suffix = unit;
            if (now.size() <= suffix.size() || now.compare(now.size() - suffix.size(), suffix.size(), suffix) != 0) {
                Fail("result lacks its unit", button, out, now);
            }
            const std::string number = now.substr(0, now.size() - suffix.size());
            if (number.find(' ') != std::string::npos || ardelin::ParseSingle(number, form.DecimalSeparator()).error) {
                Fail("result is not a number", button, out, now);
            }
        }
    }
    return 0;
}
