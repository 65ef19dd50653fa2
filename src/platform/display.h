#pragma once

namespace morvane {

// The screen the game window is shown on. Linux has no per-program resolution switch: where
// the game wants 800 by 600 the window goes full screen with the canvas scaled to fit, and the
// desktop's resolution is never changed.
class Display {
  public:
    virtual ~Display() = default;
    // The size of the screen the window is on, in pixels.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    virtual void SetFullScreen(bool on) = 0;
};

}  // namespace morvane
