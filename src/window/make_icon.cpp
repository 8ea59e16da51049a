// Draws the Ardelin icon, a dish under a night sky pointing at the stars, and
// writes it as a Windows icon file with four images: 32x32 and 16x16, each in
// 16 and in 256 colours. Usage: make_icon OUTPUT.ico
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
};

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

constexpr Rgb kNavy{0, 0, 128}, kSilver{192, 192, 192}, kWhite{255, 255, 255}, kGrey{128, 128, 128},
    kYellow{255, 255, 0}, kRed{255, 0, 0};

double DistanceToSegment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

bool InCircle(double x, double y, double cx, double cy, double r) { return std::hypot(x - cx, y - cy) <= r; }

bool InTriangle(double x, double y, double ax, double ay, double bx, double by, double cx, double cy) {
    auto side = [&](double px, double py, double qx, double qy) { return (qx - px) * (y - py) - (qy - py) * (x - px); };
    const double s1 = side(ax, ay, bx, by), s2 = side(bx, by, cx, cy), s3 = side(cx, cy, ax, ay);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

// The picture in unit coordinates, y downwards; nullptr where transparent.
const Rgb* Scene(double x, double y) {
    if (InCircle(x, y, 0.86, 0.62, 0.035) || InCircle(x, y, 0.30, 0.20, 0.035)) return &kWhite;  // stars
    if (InCircle(x, y, 0.74, 0.16, 0.045)) return &kYellow;
    if (InCircle(x, y, 0.63, 0.37, 0.055)) return &kRed;                                // feed
    if (DistanceToSegment(x, y, 0.36, 0.64, 0.63, 0.37) < 0.03) return &kWhite;           // feed arm
    if (InCircle(x, y, 0.36, 0.64, 0.25) && !InCircle(x, y, 0.47, 0.53, 0.24)) return &kSilver;  // dish
    if (InTriangle(x, y, 0.36, 0.62, 0.22, 0.93, 0.56, 0.93)) return &kGrey;              // mount
    if (InCircle(x, y, 0.5, 0.5, 0.49)) return &kNavy;                                  // sky
    return nullptr;
}

// Averages 4x4 samples a pixel.
std::vector<Rgba> Render(int size) {
    constexpr int kSamples = 4;
    std::vector<Rgba> pixels(static_cast<std::size_t>(size * size));
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Rgba sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (px + (sx + 0.5) / kSamples) / size;
                    const double y = (py + (sy + 0.5) / kSamples) / size;
                    if (const Rgb* c = Scene(x, y)) {
                        sum.r += c->r, sum.g += c->g, sum.b += c->b, sum.a += 1;
                    }
                }
            }
            Rgba& p = pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(size) + static_cast<std::size_t>(px)];
            if (sum.a > 0) {
                p = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / (kSamples * kSamples)};
            }
        }
    }
    return pixels;
}

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
    const std::vector<Rgba> pixels = Render(size);
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
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
    return out ? 0 : 1;
}
