#include "platform/sdl/sdl_library.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <string>

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
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != 0;
    };
    // Without a display server to talk to, SDL would probe every driver it knows (and print
    // what each one missed); a driver asked for by name (a console's kmsdrm) is still tried.
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("SDL_VIDEODRIVER")) {
        throw NoDisplayError();
    }
    // Without a display SDL may fall back on a driver that draws into memory only, and the
    // game would run where nobody can see it; that is what an explicit request is for. A busy
    // display server may fail to answer once, so a display that is named is tried a few times.
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    const bool invisible_asked = asked != nullptr && IsInvisibleVideoDriver(asked);
    constexpr int kTries = 3;
    for (int attempt = 1;; ++attempt) {
        const bool started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        if (started && (invisible_asked || !IsInvisibleVideoDriver(SDL_GetCurrentVideoDriver()))) {
            break;
        }
        if (started) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
        if (attempt == kTries) {
            if (!started && (set("DISPLAY") || set("WAYLAND_DISPLAY"))) {
                throw SdlError("Cannot start SDL video");
            }
            throw NoDisplayError();
        }
        SDL_Delay(250);
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
