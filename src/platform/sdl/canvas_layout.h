#pragma once

#include "platform/control_geometry.h"

namespace morvane::sdl {

// How the canvas is scaled into the window: sharp keeps pixels square and crisp (whole-number
// scale when the window has room for it, nearest-neighbour otherwise); smooth fills as much of
// the window as the aspect ratio allows, filtered.
enum class Scaling { kSharp, kSmooth };

// Where the game canvas lies in a window of a given size. The canvas keeps its aspect ratio and
// is centred; the rest of the window is the letterbox.
class CanvasLayout {
  public:
    CanvasLayout(int canvas_width, int canvas_height, int window_width, int window_height,
                 Scaling scaling);

    // The canvas's rectangle in window pixels.
    const Rect& Destination() const { return destination_; }

    // A point of the window on the canvas. Points in the letterbox land outside the canvas
    // (negative or past its size), where no window of the game can be hit.
    Point WindowToCanvas(Point window) const;
    // The window pixel at the centre of a canvas pixel.
    Point CanvasToWindow(Point canvas) const;

  private:
    int canvas_width_;
    int canvas_height_;
    Rect destination_;
};

}  // namespace morvane::sdl
