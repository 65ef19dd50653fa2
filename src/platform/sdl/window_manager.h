#pragma once

#include <SDL.h>

namespace morvane::sdl {

// Whether a window manager looks after `window`'s screen. Full screen on X11 is a request to the
// window manager; on a bare X server (a kiosk, a virtual display) nobody answers it, and the
// player makes the window cover the screen itself. Other systems count as managed.
bool HasWindowManager(SDL_Window* window);

// Makes `owner` own `owned`: the window manager keeps `owned` above `owner`, without making it
// modal (on X11 a transient window; elsewhere SDL's nearest offer).
void SetWindowOwner(SDL_Window* owned, SDL_Window* owner);

}  // namespace morvane::sdl
