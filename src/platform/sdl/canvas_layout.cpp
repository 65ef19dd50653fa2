#include "platform/sdl/canvas_layout.h"

#include <algorithm>
#include <cmath>

namespace morvane::sdl {
namespace {

// Floor division, so a point one pixel left of the canvas maps to -1, not 0.
int FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return static_cast<int>(q);
}

}  // namespace

CanvasLayout::CanvasLayout(int canvas_width, int canvas_height, int window_width, int window_height,
                           Scaling scaling)
    : canvas_width_(std::max(canvas_width, 1)), canvas_height_(std::max(canvas_height, 1)) {
    window_width = std::max(window_width, 1);
    window_height = std::max(window_height, 1);
    const double fit = std::min(static_cast<double>(window_width) / canvas_width_,
                                static_cast<double>(window_height) / canvas_height_);
    int width = 0;
    int height = 0;
    if (scaling == Scaling::kSharp && fit >= 1.0) {
        const int whole = static_cast<int>(std::floor(fit));
        width = canvas_width_ * whole;
        height = canvas_height_ * whole;
    } else {
        width = std::max(1, static_cast<int>(std::lround(canvas_width_ * fit)));
        height = std::max(1, static_cast<int>(std::lround(canvas_height_ * fit)));
        width = std::min(width, window_width);
        height = std::min(height, window_height);
    }
    destination_ = {(window_width - width) / 2, (window_height - height) / 2, width, height};
}

Point CanvasLayout::WindowToCanvas(Point window) const {
    // The window pixel's centre decides which canvas pixel it shows.
    const long long x2 = 2LL * (window.x - destination_.left) + 1;
    const long long y2 = 2LL * (window.y - destination_.top) + 1;
    return {FloorDiv(x2 * canvas_width_, 2LL * destination_.width),
            FloorDiv(y2 * canvas_height_, 2LL * destination_.height)};
}

Point CanvasLayout::CanvasToWindow(Point canvas) const {
    // The centre of the canvas pixel, so mapping back lands on the same pixel.
    const long long x2 = 2LL * canvas.x + 1;
    const long long y2 = 2LL * canvas.y + 1;
    return {destination_.left + FloorDiv(x2 * destination_.width, 2LL * canvas_width_),
            destination_.top + FloorDiv(y2 * destination_.height, 2LL * canvas_height_)};
}

}  // namespace morvane::sdl
