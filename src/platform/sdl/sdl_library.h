#pragma once

#include <stdexcept>
#include <string>

namespace morvane::sdl {

// SDL's video subsystem and SDL_ttf, initialised for the lifetime of this object. Made once by
// whoever makes the game window, before it and destroyed after it.
class SdlLibrary {
  public:
    // Throws NoDisplayError when there is no screen to show a window on (SDL's invisible
    // stand-ins count only when SDL_VIDEODRIVER asks for them), SdlError when SDL cannot
    // show windows here for another reason.
    SdlLibrary();
    ~SdlLibrary();
    SdlLibrary(const SdlLibrary&) = delete;
    SdlLibrary& operator=(const SdlLibrary&) = delete;
};

// SDL failed where the window cannot go on without it (no video, no renderer, no font).
class SdlError : public std::runtime_error {
  public:
    // The message ends with SDL's own explanation.
    explicit SdlError(const std::string& what);

  protected:
    struct Plain {};
    SdlError(Plain, const std::string& what) : std::runtime_error(what) {}
};

// No display to open a window on: neither X11 nor Wayland answered.
class NoDisplayError : public SdlError {
  public:
    NoDisplayError();
};

// The video drivers that show nothing anyone can see.
bool IsInvisibleVideoDriver(const char* name);

}  // namespace morvane::sdl
