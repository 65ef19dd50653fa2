#pragma once

#include <SDL.h>

#include "platform/control.h"
#include "platform/desktop.h"

namespace morvane::sdl {

// The model's button for an SDL mouse button; buttons beyond the third count as the left one.
MouseButton ButtonOf(Uint8 button);

// The wheel's steps up (positive) or down, whichever way the system turns it.
int WheelSteps(const SDL_MouseWheelEvent& wheel);

// The wheel scrolls the list under the pointer by itself, as the system's lists do; the game
// sees only the rows that come into view.
void PostWheel(Desktop& desktop, int steps);

}  // namespace morvane::sdl
