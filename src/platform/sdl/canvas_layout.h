#pragma once

#include <optional>
#include <string_view>

#include "platform/control_geometry.h"

namespace morvane::sdl {

// How the canvas is scaled into the window.
//   kFit:     the largest size the window allows, drawn sharp: the canvas is first magnified by
//             whole pixels (nearest neighbour) to the next whole multiple at or above that size,
//             then filtered down to it, so pixels stay crisp and no column is wider than another.
//   kInteger: whole multiples only (the letterbox grows instead); crisp, never filtered.
//   kSmooth:  the largest size the window allows, filtered straight from the canvas.
// Every mode keeps the canvas's shape and shrinks it (filtered) in a window smaller than it.
enum class Scaling { kFit, kInteger, kSmooth };

// The names the command line and the settings file use: "fit", "integer", "smooth".
std::string_view ScalingName(Scaling scaling);
std::optional<Scaling> ScalingFromName(std::string_view name);

// Where the game canvas lies in a window of a given size, and how it gets there. The canvas
// keeps its aspect ratio and is centred; the rest of the window is the letterbox.
class CanvasLayout {
  public:
    CanvasLayout(int canvas_width, int canvas_height, int window_width, int window_height,
                 Scaling scaling);

    // The canvas's rectangle in window pixels.
    const Rect& Destination() const { return destination_; }

    // The whole multiple the canvas is first magnified to by repeating pixels (1: not at all).
    int Magnification() const { return magnification_; }
    // Whether the last step to the destination is filtered (linear) rather than an exact copy.
    bool FilteredToDestination() const { return filtered_; }

    // A point of the window on the canvas. Points in the letterbox land outside the canvas
    // (negative or past its size), where no window of the game can be hit.
    Point WindowToCanvas(Point window) const;
    // The window pixel at the centre of a canvas pixel.
    Point CanvasToWindow(Point canvas) const;

  private:
    int canvas_width_;
    int canvas_height_;
    Rect destination_;
    int magnification_ = 1;
    bool filtered_ = false;
};

}  // namespace morvane::sdl
