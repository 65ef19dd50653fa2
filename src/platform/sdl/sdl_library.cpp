#include "platform/sdl/sdl_library.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>

namespace morvane::sdl {

SdlError::SdlError(const std::string& what) : std::runtime_error(what + ": " + SDL_GetError()) {}

NoDisplayError::NoDisplayError()
    : SdlError(Plain{},
               "no display to open the game window on (DISPLAY and WAYLAND_DISPLAY "
               "are not set or do not answer); use --headless to play without one") {}

bool IsInvisibleVideoDriver(const char* name) {
    const std::string driver = name != nullptr ? name : "";
    return driver == "offscreen" || driver == "dummy";
}

SdlLibrary::SdlLibrary() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        const char* display = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if ((display == nullptr || *display == 0) && (wayland == nullptr || *wayland == 0)) {
            throw NoDisplayError();
        }
        throw SdlError("Cannot start SDL video");
    }
    // Without a display SDL may fall back on a driver that draws into memory only, and the
    // game would run where nobody can see it; that is what an explicit request is for.
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (IsInvisibleVideoDriver(SDL_GetCurrentVideoDriver()) &&
        (asked == nullptr || !IsInvisibleVideoDriver(asked))) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw NoDisplayError();
    }
    if (TTF_Init() != 0) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw SdlError("Cannot start SDL_ttf");
    }
}

SdlLibrary::~SdlLibrary() {
    TTF_Quit();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace morvane::sdl
