#pragma once

#include "platform/canvas_scaling.h"
#include "platform/control_geometry.h"

namespace morvane::sdl {

// The modes live with the platform, where the options name them.
using morvane::Scaling;
using morvane::ScalingFromName;
using morvane::ScalingName;

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
