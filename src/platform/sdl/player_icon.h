#pragma once

#include <cstdint>
#include <vector>

namespace morvane::sdl {

// The player's icon, drawn in code at any size: a lamp-lit night-blue tile with the pointing
// hand of a point-and-click game. Square, `size` x `size` pixels of 0xAARRGGBB, edges
// anti-aliased.
std::vector<uint32_t> DrawPlayerIcon(int size);

}  // namespace morvane::sdl
