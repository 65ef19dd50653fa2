#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace morvane::sdl {

// Owners for SDL's objects, so every one is released exactly once whatever path is taken.
struct SdlDeleter {
    void operator()(SDL_Window* p) const { SDL_DestroyWindow(p); }
    void operator()(SDL_Renderer* p) const { SDL_DestroyRenderer(p); }
    void operator()(SDL_Texture* p) const { SDL_DestroyTexture(p); }
    void operator()(SDL_Surface* p) const { SDL_FreeSurface(p); }
    void operator()(SDL_Cursor* p) const { SDL_FreeCursor(p); }
    void operator()(TTF_Font* p) const { TTF_CloseFont(p); }
};

using WindowHandle = std::unique_ptr<SDL_Window, SdlDeleter>;
using RendererHandle = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TextureHandle = std::unique_ptr<SDL_Texture, SdlDeleter>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, SdlDeleter>;
using CursorHandle = std::unique_ptr<SDL_Cursor, SdlDeleter>;
using FontHandle = std::unique_ptr<TTF_Font, SdlDeleter>;

}  // namespace morvane::sdl
