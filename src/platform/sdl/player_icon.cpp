#include "platform/sdl/player_icon.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace morvane::sdl {
namespace {

struct Colour {
    double a, r, g, b;
};

// Paints `top` over `bottom` with coverage `alpha` (0..1).
Colour Over(Colour bottom, Colour top, double alpha) {
    const double a = top.a * alpha;
    const double out = a + bottom.a * (1 - a);
    if (out <= 0) {
        return {0, 0, 0, 0};
    }
    auto mix = [&](double t, double b) { return (t * a + b * bottom.a * (1 - a)) / out; };
    return {out, mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)};
}

// Coordinates are on a 0..1 square.
bool InRoundedSquare(double x, double y) {
    constexpr double kInset = 0.04;
    constexpr double kRadius = 0.18;
    const double cx = std::clamp(x, kInset + kRadius, 1 - kInset - kRadius);
    const double cy = std::clamp(y, kInset + kRadius, 1 - kInset - kRadius);
    return x >= kInset && x <= 1 - kInset && y >= kInset && y <= 1 - kInset &&
           std::hypot(x - cx, y - cy) <= kRadius;
}

// The arrow pointer, tip at the upper left of the lamp's glow.
bool InPointer(double x, double y) {
    static constexpr std::array<std::array<double, 2>, 7> kOutline = {{{0.30, 0.22},
                                                                       {0.30, 0.80},
                                                                       {0.44, 0.66},
                                                                       {0.54, 0.88},
                                                                       {0.63, 0.84},
                                                                       {0.53, 0.62},
                                                                       {0.72, 0.62}}};
    bool inside = false;
    for (std::size_t i = 0, j = kOutline.size() - 1; i < kOutline.size(); j = i++) {
        const auto& [xi, yi] = kOutline[i];
        const auto& [xj, yj] = kOutline[j];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) {
            inside = !inside;
        }
    }
    return inside;
}

Colour PixelAt(double x, double y) {
    Colour colour{0, 0, 0, 0};
    if (InRoundedSquare(x, y)) {
        // Night sky, lighter towards the bottom.
        colour = {1, 0.07 + 0.10 * y, 0.10 + 0.14 * y, 0.24 + 0.20 * y};
        // The lamp's glow behind the pointer.
        const double glow = std::hypot(x - 0.62, y - 0.36);
        colour = Over(colour, {1, 1.0, 0.80, 0.30}, std::clamp(1.0 - glow / 0.30, 0.0, 1.0));
    }
    return colour;
}

}  // namespace

std::vector<uint32_t> DrawPlayerIcon(int size) {
    size = std::max(size, 1);
    constexpr int kSamples = 4;
    const double pointer_edge = 0.035;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(size) * size);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (px + (sx + 0.5) / kSamples) / size;
                    const double y = (py + (sy + 0.5) / kSamples) / size;
                    Colour c = PixelAt(x, y);
                    // The pointer: a dark outline around a white body.
                    if (InPointer(x, y)) {
                        c = Over(c, {1, 0.05, 0.05, 0.10}, 1);
                        const bool body =
                            InPointer(x + pointer_edge * 0.7, y + pointer_edge) &&
                            InPointer(x - pointer_edge * 0.7, y - pointer_edge * 0.4) &&
                            InPointer(x, y + pointer_edge);
                        if (body) {
                            c = {1, 0.97, 0.97, 0.95};
                        }
                    }
                    a += c.a;
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                }
            }
            const double n = kSamples * kSamples;
            auto byte = [](double v) {
                return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
            };
            const double alpha = a / n;
            const double inv = a > 0 ? 1 / a : 0;
            pixels[static_cast<std::size_t>(py) * size + px] =
                byte(alpha) << 24 | byte(r * inv) << 16 | byte(g * inv) << 8 | byte(b * inv);
        }
    }
    return pixels;
}

}  // namespace morvane::sdl
