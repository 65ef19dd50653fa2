#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/desktop.h"
#include "platform/sdl/font.h"
#include "platform/window.h"

namespace morvane::sdl {

// The system windows of their own that some of the desktop's windows are shown in, beside the
// game window instead of on its canvas (the notify and debug windows: an author reads the log
// and pokes flags without covering the scene). Each follows its model window: it opens when
// the window comes on the screen, placed beside the game window where the screen allows, sized
// to the window; it goes when the window does (hidden, or its owner minimised); it shows the
// window alone, drawn by the same painter as the canvas. Its mouse input reaches that window
// alone, in the window's own coordinates; its getting the keyboard activates the window; its
// close button asks the window to close. Each stays above the game window, which owns it.
class SystemWindows {
  public:
    SystemWindows(SDL_Window* game_window, const Font& font);
    ~SystemWindows();
    SystemWindows(const SystemWindows&) = delete;
    SystemWindows& operator=(const SystemWindows&) = delete;

    void Attach(Desktop& desktop);

    // Opens, shows, hides, sizes and titles the system windows as their model windows are,
    // and draws what changed in each. Returns whether any frame was shown.
    bool Refresh();

    // Handles a window or mouse event of one of these windows (told by SDL's window id);
    // false for every other event.
    bool HandleEvent(const SDL_Event& event);

    // The system window showing `window` now, or null.
    SDL_Window* NativeWindowOf(const Window& window) const;
    // The last drawn picture of `window`'s system window, row by row, 0xAARRGGBB, with its size;
    // empty while none shows it.
    std::vector<uint32_t> ReadWindow(const Window& window, int& width, int& height);

  private:
    struct Shown;

    Shown* Find(const Window& window) const;
    Shown* FindById(Uint32 id) const;
    void Open(Window& window);
    void Place(Shown& shown);
    void Follow(Shown& shown);
    bool Draw(Shown& shown);
    void PostMouse(Shown& shown, const SDL_Event& event);
    void RequestClose(Shown& shown);

    SDL_Window* game_window_;
    const Font& font_;
    Desktop* desktop_ = nullptr;
    std::vector<std::unique_ptr<Shown>> shown_;
    int cascade_ = 0;
};

}  // namespace morvane::sdl
