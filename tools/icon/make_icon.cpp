// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the Ardelin icon as a Windows icon file with four images, 32x32 and
// 16x16, each in 16 and in 256 colours, and as a scalable SVG, both from the
// one description of the picture. Usage: make_icon OUTPUT.ico OUTPUT.svg
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "icon_scene.hpp"

namespace {

using ardelin::icon::Rgb;
using ardelin::icon::Rgba;

std::vector<Rgb> Palette(int colours) {
    std::vector<Rgb> p = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
                          {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                          {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    if (colours == 256) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b) p.push_back({r * 51, g * 51, b * 51});
        for (int i = 0; i < 24; ++i) p.push_back({8 + i * 10, 8 + i * 10, 8 + i * 10});
    }
    return p;
}

int Nearest(const std::vector<Rgb>& palette, const Rgba& c) {
    int best = 0;
    double bestDist = 1e300;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const double d = std::pow(palette[i].r - c.r, 2) + std::pow(palette[i].g - c.g, 2) + std::pow(palette[i].b - c.b, 2);
        if (d < bestDist) bestDist = d, best = static_cast<int>(i);
    }
    return best;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One icon image: header, palette, colour bits and transparency mask, rows bottom up.
std::vector<std::uint8_t> Image(int size, int bits) {
    const std::vector<Rgb> palette = Palette(1 << bits);
    const std::vector<Rgba> pixels = ardelin::icon::Render(size);
    const int xorStride = ((size * bits + 31) / 32) * 4;
    const int andStride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(size));
    Put32(out, static_cast<unsigned>(size * 2));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0);
    Put32(out, static_cast<unsigned>((xorStride + andStride) * size));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<unsigned>(palette.size()));
    Put32(out, 0);
    for (const Rgb& c : palette) {
        out.insert(out.end(), {static_cast<std::uint8_t>(c.b), static_cast<std::uint8_t>(c.g),
                               static_cast<std::uint8_t>(c.r), 0});
    }
    std::vector<std::uint8_t> colourBits, maskBits;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(xorStride)), mask(static_cast<std::size_t>(andStride));
        for (int x = 0; x < size; ++x) {
            const Rgba& p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) + static_cast<std::size_t>(x)];
            const bool opaque = p.a >= 0.5;
            const int index = opaque ? Nearest(palette, p) : 0;
            if (bits == 8) {
                row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(index);
            } else {
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
            }
            if (!opaque) mask[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        colourBits.insert(colourBits.end(), row.begin(), row.end());
        maskBits.insert(maskBits.end(), mask.begin(), mask.end());
    }
    out.insert(out.end(), colourBits.begin(), colourBits.end());
    out.insert(out.end(), maskBits.begin(), maskBits.end());
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico OUTPUT.svg\n");
        return 2;
    }
    struct Entry {
        int size, bits;
    };
    constexpr std::array<Entry, 4> kEntries{{{32, 4}, {32, 8}, {16, 8}, {16, 4}}};
    std::vector<std::vector<std::uint8_t>> images;
    images.reserve(kEntries.size());
    for (const Entry& e : kEntries) images.push_back(Image(e.size, e.bits));

    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, kEntries.size());
    unsigned offset = 6 + 16 * kEntries.size();
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const Entry& e = kEntries[i];
        file.push_back(static_cast<std::uint8_t>(e.size));
        file.push_back(static_cast<std::uint8_t>(e.size));
        file.push_back(static_cast<std::uint8_t>(e.bits == 4 ? 16 : 0));
        file.push_back(0);
        Put16(file, 1);
        Put16(file, static_cast<unsigned>(e.bits));
        Put32(file, static_cast<unsigned>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<unsigned>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    std::ofstream svg(argv[2], std::ios::binary);
    svg << ardelin::icon::Svg(256);
    return out && svg ? 0 : 1;
}
