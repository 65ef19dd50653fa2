#pragma once

#include <cstdint>
#include <span>

namespace morvane::bench {

// What decoding a GIF costs at the least: giflib reading every frame's indices, drawn on a
// plain 32-bit canvas with each frame's disposal, nothing kept. Returns a checksum of the last
// canvas so the work cannot be skipped; 0 when the file cannot be read.
uint32_t DecodeWithGiflib(std::span<const uint8_t> bytes);

}  // namespace morvane::bench
