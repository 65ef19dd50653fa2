#pragma once

#include <vector>

#include "platform/control_geometry.h"

namespace morvane::sdl {

// The gap left between the game window and the windows beside it.
inline constexpr int kBesideGap = 8;
// How far each cascaded window lies down and right of the one before.
inline constexpr int kCascadeStep = 32;

// Where a window of `width` x `height` (its frame included) opens beside the game window
// `game`, so the author sees the scene and the window at once: right of the game window, else
// left of it; at the game window's top, else below one of the windows already beside it
// (`taken`), else at the top of the screen; always inside `usable` (the screen without its
// panels) and over no other window. Where no such place exists the window is cascaded over
// the game window, `cascade` steps down and right from its corner, kept on the screen.
Rect PlaceBeside(const Rect& game, const Rect& usable, const std::vector<Rect>& taken, int width,
                 int height, int cascade);

}  // namespace morvane::sdl
