#pragma once

#include <SDL.h>

#include <map>
#include <memory>
#include <utility>

#include "platform/desktop.h"
#include "platform/sdl/sdl_handles.h"

namespace morvane::sdl {

// Makes the system cursor show the pointer the desktop asks for: a custom picture with its hot
// spot, drawn at the canvas's scale, or one of the system's own shapes. The system cursor moves
// with the mouse by itself, so a held item follows without waiting for a redraw. Cursors are
// made once per picture (compared by identity) and scale; where the system cannot make colour
// cursors (headless drivers) the pointer stays as it is.
class CursorCache {
  public:
    CursorCache() = default;
    CursorCache(const CursorCache&) = delete;
    CursorCache& operator=(const CursorCache&) = delete;

    // Sets the cursor unless it already shows this pointer. Returns whether it changed.
    bool Show(const Desktop::ShownPointer& pointer, int scale);

    // How many custom cursors were made so far.
    int CustomCursorsMade() const { return made_; }

  private:
    struct Custom {
        std::weak_ptr<const Picture> picture;
        int scale = 1;
        CursorHandle cursor;  // empty when the system could not make it
    };

    SDL_Cursor* CustomCursor(const PicturePtr& picture, int scale);
    SDL_Cursor* SystemCursor(int mode);

    std::map<const Picture*, Custom> custom_;
    std::map<SDL_SystemCursor, CursorHandle> system_;
    int shown_mode_ = -1;
    const Picture* shown_picture_ = nullptr;
    int shown_scale_ = 0;
    int made_ = 0;
};

}  // namespace morvane::sdl
