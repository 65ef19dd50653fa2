#pragma once

#include <SDL.h>

#include "platform/sdl/sdl_handles.h"

namespace morvane::sdl {

// A renderer for one of the player's system windows that can draw into textures: the graphics
// processor's where one can be reached, else SDL's software renderer (OpenGL emulated on the
// processor costs several times as much). Throws SdlError naming `what` when there is none.
RendererHandle MakeWindowRenderer(SDL_Window* window, const char* what);

}  // namespace morvane::sdl
