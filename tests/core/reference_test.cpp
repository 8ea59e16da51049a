// SPDX-License-Identifier: GPL-3.0-or-later
// Randomised comparison of the three calculations against a reference written
// here from the formulas alone: explicit zero and range checks instead of the
// floating-point status, printf instead of the program's number text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "calc/calc_error.hpp"
#include "test_form.hpp"
#include "model/form1.hpp"

namespace ardelin {
namespace {

struct Failed {
    CalcErrorKind kind;
};

// printf's text of v with `sep` for the decimal point.
std::string Printed(const char* format, float v, char sep) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, static_cast<double>(v));
    std::string s = buf;
    for (char& c : s) {
        if (c == '.') c = sep;
    }
    return s;
}

std::string RefText(float v, char sep) { return v == 0.0F ? "0" : Printed("%.7G", v, sep); }

float RefSingle(double x) {
    const auto f = static_cast<float>(x);
    if (std::isinf(f)) throw Failed{CalcErrorKind::Overflow};
    return f;
}

double RefDivide(double n, double d) {
    if (d == 0.0) throw Failed{n == 0.0 ? CalcErrorKind::Overflow : CalcErrorKind::DivisionByZero};
    return n / d;
}

int RefRoundEven(double x) {
    const double lo = std::floor(x);
    const double frac = x - lo;
    double r = frac > 0.5 ? lo + 1 : lo;
    if (frac == 0.5) r = std::fmod(lo, 2.0) == 0.0 ? lo : lo + 1;
    if (r < -32768.0 || r > 32767.0) throw Failed{CalcErrorKind::Overflow};
    return static_cast<int>(r);
}

// What a press should leave: its error, if any, and each result field it wrote.
struct Outcome {
    std::optional<CalcErrorKind> error;
    std::optional<std::string> first;
    std::optional<std::string> second;
};

Outcome RefBeam(float lambda, float d, char sep) {
    Outcome out;
    try {
        const float theta = RefSingle(RefDivide(double{lambda} * 60.0, d));
        out.first = RefText(theta, sep) + " degrees";
    } catch (const Failed& f) {
        out.error = f.kind;
    }
    return out;
}

Outcome RefLower(float tsys, float b, float tau, float etaS, float d, float etaA, char sep) {
    Outcome out;
    try {
        const float area = RefSingle(double{d} / 2 * double{3.1415927F} * d / 2 * etaA);
        const double p = double{b} * 1e7 * tau;
        if (p < 0) throw Failed{CalcErrorKind::InvalidArgument};
        const float dt = RefSingle(RefDivide(tsys, std::sqrt(p)));
        out.first = RefText(dt, sep) + " kelvin";
        const float s1 = RefSingle(RefDivide(double{dt} * double{1.4e-23F}, area));
        const float s2 = RefSingle(RefDivide(double{s1} * 100, etaS));
        const int n = RefRoundEven(double{s2} * 1e29);
        out.second = n > 2 ? std::to_string(n) + " Janskies" : RefText(RefSingle(double{s2} * 1e29), sep) + " Janskies";
    } catch (const Failed& f) {
        out.error = f.kind;
    }
    return out;
}

Outcome RefConvert(float f, char sep) {
    Outcome out;
    try {
        out.first = RefText(RefSingle(RefDivide(3e9, double{f} * 1e7)), sep);
    } catch (const Failed& e) {
        out.error = e.kind;
    }
    return out;
}

// Singles spread over the whole range, with zeros, subnormals, extremes and
// everyday values among them.
class Inputs {
public:
    explicit Inputs(unsigned seed) : rng_(seed) {}

    float Next() {
        const int pick = Uniform(0, 99);
        const float sign = Uniform(0, 3) == 0 ? -1.0F : 1.0F;
        if (pick < 4) return sign * 0.0F;
        if (pick < 8) return sign * static_cast<float>(Uniform(1, 100));
        if (pick < 12) return sign * std::ldexp(static_cast<float>(Uniform(1, 1 << 22)), -149);  // subnormal
        if (pick < 14) return sign * std::numeric_limits<float>::max();
        if (pick < 60) return sign * static_cast<float>(std::pow(10.0, Real(-3.0, 4.0)));
        return sign * static_cast<float>(std::pow(10.0, Real(-45.0, 38.5)));
    }

    bool Coin() { return Uniform(0, 1) == 1; }

private:
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    std::mt19937 rng_;
};

// The text a user could type for v: nine digits, which read back to v exactly.
std::string Typed(float v, char sep) { return Printed("%.9g", v, sep); }

constexpr int kRuns = 20000;

void ExpectSame(const Form1& form, const Outcome& ref, const std::optional<CalcErrorKind>& got, Field first,
                std::optional<Field> second, const std::string& inputs) {
    ASSERT_EQ(got, ref.error) << inputs;
    ASSERT_EQ(form.Text(first), ref.first.value_or("stale")) << inputs;
    if (second) {
        ASSERT_EQ(form.Text(*second), ref.second.value_or("stale")) << inputs;
    }
}

TEST(Reference, BeamWidth) {
    Inputs in(1);
    for (int i = 0; i < kRuns; ++i) {
        const char sep = in.Coin() ? '.' : ',';
        const float lambda = in.Next();
        const float d = in.Next();
        Form1 form(sep);
        BindCalculations(form);
        test::Fill(form, {{Field::BeamwidthText, "stale"}});
        form.SetText(Field::WavelengthText, Typed(lambda, sep));
        form.SetText(Field::DiameterText, Typed(d, sep));
        const auto got = test::PressCatching(form, Button::Command1);
        ExpectSame(form, RefBeam(lambda, d, sep), got, Field::BeamwidthText, std::nullopt,
                   Typed(lambda, sep) + " / " + Typed(d, sep));
    }
}

TEST(Reference, LowerLimit) {
    Inputs in(2);
    for (int i = 0; i < kRuns; ++i) {
        const char sep = in.Coin() ? '.' : ',';
        float v[6];
        for (float& x : v) x = in.Next();
        Form1 form(sep);
        BindCalculations(form);
        test::Fill(form, {{Field::DTText, "stale"}, {Field::LowerLimitText, "stale"}});
        const Field order[6] = {Field::SysTempText,       Field::BandwidthText, Field::TimeConstText,
                                Field::SysEfficiencyText, Field::DiameterText,  Field::AEfficiencyText};
        std::string inputs;
        for (int k = 0; k < 6; ++k) {
            form.SetText(order[k], Typed(v[k], sep));
            inputs += Typed(v[k], sep) + " ";
        }
        const auto got = test::PressCatching(form, Button::Command2);
        ExpectSame(form, RefLower(v[0], v[1], v[2], v[3], v[4], v[5], sep), got, Field::DTText, Field::LowerLimitText,
                   inputs);
    }
}

TEST(Reference, Convert) {
    Inputs in(3);
    for (int i = 0; i < kRuns; ++i) {
        const char sep = in.Coin() ? '.' : ',';
        const float f = in.Next();
        Form1 form(sep);
        BindCalculations(form);
        test::Fill(form, {{Field::WavelengthText, "stale"}});
        form.SetText(Field::FreqText, Typed(f, sep));
        const auto got = test::PressCatching(form, Button::Command3);
        ExpectSame(form, RefConvert(f, sep), got, Field::WavelengthText, std::nullopt, Typed(f, sep));
    }
}

}  // namespace
}  // namespace ardelin
