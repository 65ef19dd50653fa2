#pragma once

#include <stdexcept>
#include <string>

namespace morvane::sdl {

// SDL's video subsystem and SDL_ttf, initialised for the lifetime of this object. Made once by
// whoever makes the game window, before it and destroyed after it.
class SdlLibrary {
  public:
    // Throws SdlError when SDL cannot show windows here.
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
};

}  // namespace morvane::sdl
