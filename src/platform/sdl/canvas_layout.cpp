#include "platform/sdl/canvas_layout.h"

#include <algorithm>

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
    const long long cw = canvas_width_;
    const long long ch = canvas_height_;
    const long long ww = std::max(window_width, 1);
    const long long wh = std::max(window_height, 1);
    // The largest size of the canvas's shape that fits, in whole pixels: whichever side of the
    // window is the tighter one is filled exactly, the other is rounded down.
    long long width = 0;
    long long height = 0;
    if (ww * ch <= wh * cw) {
        width = ww;
        height = std::max(1LL, ww * ch / cw);
    } else {
        height = wh;
        width = std::max(1LL, wh * cw / ch);
    }
    const long long whole = std::min(width / cw, height / ch);
    if (scaling == Scaling::kInteger && whole >= 1) {
        width = cw * whole;
        height = ch * whole;
    }
    const bool exact_multiple = width % cw == 0 && height % ch == 0 && width / cw == height / ch;
    if (exact_multiple) {
        // Repeating pixels is all it takes, in every mode.
        magnification_ = static_cast<int>(width / cw);
        filtered_ = false;
    } else if (scaling == Scaling::kSmooth || width < cw) {
        magnification_ = 1;
        filtered_ = true;
    } else {
        magnification_ = static_cast<int>(whole + 1);
        filtered_ = true;
    }
    destination_ = {static_cast<int>((ww - width) / 2), static_cast<int>((wh - height) / 2),
                    static_cast<int>(width), static_cast<int>(height)};
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
