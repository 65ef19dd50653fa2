#pragma once

namespace morvane {

// Positions and sizes in pixels. A control's rectangle is in its parent's coordinates; a
// window's is on the screen.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool Contains(Point p) const {
        return p.x >= left && p.y >= top && p.x < left + width && p.y < top + height;
    }
    Point Centre() const { return {left + width / 2, top + height / 2}; }
    bool operator==(const Rect&) const = default;
};

enum class MouseButton { kLeft = 1, kRight = 2, kMiddle = 4 };

// What a mouse event tells its handler: the buttons concerned (MouseButton values or'd
// together), and x and y in the receiving control's coordinates.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;
};

// Key codes as the handlers see them.
namespace key {
inline constexpr int kBack = 8;
inline constexpr int kReturn = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kF1 = 112;
}  // namespace key

}  // namespace morvane
