#include "platform/sdl/sdl_library.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

namespace morvane::sdl {

SdlError::SdlError(const std::string& what) : std::runtime_error(what + ": " + SDL_GetError()) {}

SdlLibrary::SdlLibrary() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw SdlError("Cannot start SDL video");
    }
    // With no display SDL falls back to drivers that draw nowhere: the player would run
    // unseen, waiting for a user who cannot reach it. Only a caller who asks for such a driver
    // (the tests) gets one.
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if ((driver == "offscreen" || driver == "dummy") && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_SetError("set DISPLAY to show the window, or play with --headless");
        throw SdlError("No display");
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
