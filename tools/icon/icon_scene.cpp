// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon_scene.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace ardelin::icon {
namespace {

constexpr Rgb kNavy{0, 0, 128}, kSilver{192, 192, 192}, kWhite{255, 255, 255}, kGrey{128, 128, 128},
    kYellow{255, 255, 0}, kRed{255, 0, 0};

// One shape in unit coordinates, y downwards.
struct Shape {
    enum Kind { Circle, Crescent, Bar, Triangle } kind;
    Rgb colour;
    // Circle: cx cy r. Crescent: the circle cx cy r less the circle at
    // p[3] p[4] of radius p[5]. Bar: from (p0, p1) to (p2, p3), half as
    // thick as p4. Triangle: three corners.
    std::array<double, 6> p;
};

// Front to back: the first shape that holds a point colours it.
constexpr std::array<Shape, 8> kShapes{{
    {Shape::Circle, kWhite, {0.86, 0.62, 0.035}},                  // star
    {Shape::Circle, kWhite, {0.30, 0.20, 0.035}},                  // star
    {Shape::Circle, kYellow, {0.74, 0.16, 0.045}},                 // star
    {Shape::Circle, kRed, {0.63, 0.37, 0.055}},                    // feed
    {Shape::Bar, kWhite, {0.36, 0.64, 0.63, 0.37, 0.06}},          // feed arm
    {Shape::Crescent, kSilver, {0.36, 0.64, 0.25, 0.47, 0.53, 0.24}},  // dish
    {Shape::Triangle, kGrey, {0.36, 0.62, 0.22, 0.93, 0.56, 0.93}},    // mount
    {Shape::Circle, kNavy, {0.5, 0.5, 0.49}},                       // sky
}};

bool InCircle(double x, double y, double cx, double cy, double r) { return std::hypot(x - cx, y - cy) <= r; }

double DistanceToSegment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

bool InTriangle(double x, double y, const std::array<double, 6>& c) {
    auto side = [&](double px, double py, double qx, double qy) { return (qx - px) * (y - py) - (qy - py) * (x - px); };
    const double s1 = side(c[0], c[1], c[2], c[3]), s2 = side(c[2], c[3], c[4], c[5]), s3 = side(c[4], c[5], c[0], c[1]);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

bool Holds(const Shape& s, double x, double y) {
    const auto& p = s.p;
    switch (s.kind) {
        case Shape::Circle: return InCircle(x, y, p[0], p[1], p[2]);
        case Shape::Crescent: return InCircle(x, y, p[0], p[1], p[2]) && !InCircle(x, y, p[3], p[4], p[5]);
        case Shape::Bar: return DistanceToSegment(x, y, p[0], p[1], p[2], p[3]) < p[4] / 2;
        case Shape::Triangle: return InTriangle(x, y, p);
    }
    return false;
}

const Rgb* Sample(double x, double y) {
    for (const Shape& s : kShapes) {
        if (Holds(s, x, y)) return &s.colour;
    }
    return nullptr;
}

}  // namespace

std::vector<Rgba> Render(int size) {
    constexpr int kSamples = 4;
    std::vector<Rgba> pixels(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Rgba sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (px + (sx + 0.5) / kSamples) / size;
                    const double y = (py + (sy + 0.5) / kSamples) / size;
                    if (const Rgb* c = Sample(x, y)) {
                        sum.r += c->r, sum.g += c->g, sum.b += c->b, sum.a += 1;
                    }
                }
            }
            if (sum.a > 0) {
                pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(size) + static_cast<std::size_t>(px)] = {
                    sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / (kSamples * kSamples)};
            }
        }
    }
    return pixels;
}

std::string Svg(int size) {
    // Back to front, in a 1000-unit square.
    auto n = [](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", v * 1000);
        return std::string(buf);
    };
    auto fill = [](const Rgb& c) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
        return std::string(buf);
    };
    std::string body;
    std::string defs;
    int masks = 0;
    std::array<Shape, kShapes.size()> backToFront = kShapes;
    std::reverse(backToFront.begin(), backToFront.end());
    for (const Shape& s : backToFront) {
        const auto& p = s.p;
        switch (s.kind) {
            case Shape::Circle:
                body += "  <circle cx=\"" + n(p[0]) + "\" cy=\"" + n(p[1]) + "\" r=\"" + n(p[2]) + "\" fill=\"" +
                        fill(s.colour) + "\"/>\n";
                break;
            case Shape::Crescent: {
                const std::string id = "cut" + std::to_string(++masks);
                defs += "    <mask id=\"" + id + "\">\n      <rect width=\"1000\" height=\"1000\" fill=\"#fff\"/>\n" +
                        "      <circle cx=\"" + n(p[3]) + "\" cy=\"" + n(p[4]) + "\" r=\"" + n(p[5]) +
                        "\" fill=\"#000\"/>\n    </mask>\n";
                body += "  <circle cx=\"" + n(p[0]) + "\" cy=\"" + n(p[1]) + "\" r=\"" + n(p[2]) + "\" fill=\"" +
                        fill(s.colour) + "\" mask=\"url(#" + id + ")\"/>\n";
                break;
            }
            case Shape::Bar:
                body += "  <line x1=\"" + n(p[0]) + "\" y1=\"" + n(p[1]) + "\" x2=\"" + n(p[2]) + "\" y2=\"" + n(p[3]) +
                        "\" stroke=\"" + fill(s.colour) + "\" stroke-width=\"" + n(p[4]) +
                        "\" stroke-linecap=\"round\"/>\n";
                break;
            case Shape::Triangle:
                body += "  <polygon points=\"" + n(p[0]) + "," + n(p[1]) + " " + n(p[2]) + "," + n(p[3]) + " " + n(p[4]) +
                        "," + n(p[5]) + "\" fill=\"" + fill(s.colour) + "\"/>\n";
                break;
        }
    }
    const std::string px = std::to_string(size);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + px + "\" height=\"" + px +
           "\" viewBox=\"0 0 1000 1000\">\n  <defs>\n" + defs + "  </defs>\n" + body + "</svg>\n";
}

}  // namespace ardelin::icon
