#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace morvane {

// Encodes `width` x `height` pixels, row by row, each 0xAARRGGBB with straight alpha, as an
// 8-bit RGBA PNG file held in memory. The player writes its small pictures of saved games with
// it, without any decoder library.
std::string EncodePng(int width, int height, std::span<const uint32_t> argb);

}  // namespace morvane
