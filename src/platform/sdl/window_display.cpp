#include "platform/sdl/window_display.h"

#include <SDL.h>

#include "platform/sdl/game_window.h"

namespace morvane::sdl {
namespace {

SDL_DisplayMode DesktopMode(const GameWindow& window) {
    SDL_DisplayMode mode{};
    const int index = std::max(SDL_GetWindowDisplayIndex(window.NativeWindow()), 0);
    if (SDL_GetDesktopDisplayMode(index, &mode) != 0) {
        // No mode to read (a display-less driver): the screen counts as exactly 800 by 600,
        // which asks for nothing.
        mode.w = 800;
        mode.h = 600;
    }
    return mode;
}

}  // namespace

int WindowDisplay::ScreenWidth() const {
    return DesktopMode(window_).w;
}

int WindowDisplay::ScreenHeight() const {
    return DesktopMode(window_).h;
}

void WindowDisplay::SetFullScreen(bool on) {
    window_.SetFullScreen(on);
}

}  // namespace morvane::sdl
