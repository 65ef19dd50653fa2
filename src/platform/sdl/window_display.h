#pragma once

#include "platform/display.h"

namespace morvane::sdl {

class GameWindow;

// The screen of the game window, as SDL reports the desktop's mode of the display it is on.
class WindowDisplay final : public Display {
  public:
    explicit WindowDisplay(GameWindow& window) : window_(window) {}

    int ScreenWidth() const override;
    int ScreenHeight() const override;
    void SetFullScreen(bool on) override;

  private:
    GameWindow& window_;
};

}  // namespace morvane::sdl
