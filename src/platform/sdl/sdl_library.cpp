#include "platform/sdl/sdl_library.h"

#include <SDL.h>
#include <SDL_ttf.h>

namespace morvane::sdl {

SdlError::SdlError(const std::string& what) : std::runtime_error(what + ": " + SDL_GetError()) {}

SdlLibrary::SdlLibrary() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw SdlError("Cannot start SDL video");
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
