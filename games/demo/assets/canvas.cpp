#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace morvane::demo {

Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](uint8_t x, uint8_t y) {
        return static_cast<uint8_t>(std::lround(x + (y - x) * t));
    };
    return Rgb{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      colour_(static_cast<std::size_t>(width * height)),
      opaque_(static_cast<std::size_t>(width * height), 0) {}

bool Canvas::IsOpaque(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return false;
    }
    return opaque_[static_cast<std::size_t>(y * width_ + x)] != 0;
}

Rgb Canvas::At(int x, int y) const {
    return colour_[static_cast<std::size_t>(y * width_ + x)];
}

void Canvas::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    const auto i = static_cast<std::size_t>(y * width_ + x);
    colour_[i] = colour;
    opaque_[i] = 1;
}

void Canvas::Clear(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    opaque_[static_cast<std::size_t>(y * width_ + x)] = 0;
}

void Canvas::Fill(Rgb colour) {
    FillRect(0, 0, width_, height_, colour);
}

void Canvas::FillRect(int left, int top, int width, int height, Rgb colour) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            Set(x, y, colour);
        }
    }
}

void Canvas::FrameRect(int left, int top, int width, int height, int thickness, Rgb colour) {
    FillRect(left, top, width, thickness, colour);
    FillRect(left, top + height - thickness, width, thickness, colour);
    FillRect(left, top, thickness, height, colour);
    FillRect(left + width - thickness, top, thickness, height, colour);
}

void Canvas::VerticalGradient(int top, int height, Rgb top_colour, Rgb bottom_colour, int bands) {
    for (int y = top; y < top + height; ++y) {
        const int band = (y - top) * bands / std::max(1, height);
        const double t = bands > 1 ? static_cast<double>(band) / (bands - 1) : 0.0;
        FillRect(0, y, width_, 1, Mix(top_colour, bottom_colour, t));
    }
}

void Canvas::FillEllipse(double cx, double cy, double rx, double ry, Rgb colour) {
    const int y0 = static_cast<int>(std::floor(cy - ry));
    const int y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        if (std::abs(dy) > 1.0) {
            continue;
        }
        const double half = rx * std::sqrt(1.0 - dy * dy);
        const int x0 = static_cast<int>(std::lround(cx - half));
        const int x1 = static_cast<int>(std::lround(cx + half));
        for (int x = x0; x < x1; ++x) {
            Set(x, y, colour);
        }
    }
}

void Canvas::EllipseRing(double cx, double cy, double rx, double ry, double thickness, Rgb colour) {
    const int y0 = static_cast<int>(std::floor(cy - ry - thickness));
    const int y1 = static_cast<int>(std::ceil(cy + ry + thickness));
    const int x0 = static_cast<int>(std::floor(cx - rx - thickness));
    const int x1 = static_cast<int>(std::ceil(cx + rx + thickness));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            const double distance = (std::sqrt(dx * dx + dy * dy) - 1.0) * std::min(rx, ry);
            if (std::abs(distance) <= thickness / 2) {
                Set(x, y, colour);
            }
        }
    }
}

void Canvas::FillPolygon(const std::vector<std::pair<double, double>>& points, Rgb colour) {
    if (points.size() < 3) {
        return;
    }
    for (int y = 0; y < height_; ++y) {
        const double sy = y + 0.5;
        std::vector<double> crossings;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto [xa, ya] = points[i];
            const auto [xb, yb] = points[(i + 1) % points.size()];
            if ((ya <= sy && yb > sy) || (yb <= sy && ya > sy)) {
                crossings.push_back(xa + (sy - ya) * (xb - xa) / (yb - ya));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int x = static_cast<int>(std::lround(crossings[i]));
                 x < static_cast<int>(std::lround(crossings[i + 1])); ++x) {
                Set(x, y, colour);
            }
        }
    }
}

void Canvas::Line(double x0, double y0, double x1, double y1, double thickness, Rgb colour) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int steps = std::max(1, static_cast<int>(std::ceil(length * 2)));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        FillCircle(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, std::max(0.5, thickness / 2), colour);
    }
}

void Canvas::Draw(const Canvas& source, int left, int top) {
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            if (source.IsOpaque(x, y)) {
                Set(left + x, top + y, source.At(x, y));
            }
        }
    }
}

void Canvas::Outline(Rgb colour) {
    const Canvas before = *this;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (before.IsOpaque(x, y)) {
                continue;
            }
            if (before.IsOpaque(x - 1, y) || before.IsOpaque(x + 1, y) ||
                before.IsOpaque(x, y - 1) || before.IsOpaque(x, y + 1)) {
                Set(x, y, colour);
            }
        }
    }
}

uint32_t Random::Next() {
    // xorshift32: tiny, and the same numbers on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

}  // namespace morvane::demo
