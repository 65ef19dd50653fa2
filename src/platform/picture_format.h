#pragma once

#include <cstdint>
#include <span>

namespace morvane {

enum class PictureFormat { kUnknown, kGif, kBmp, kJpeg, kPng, kIcon, kCursor };

// The format the first bytes of a file show. The name of a file is not trusted: game folders
// hold pictures whose extension does not match their content.
PictureFormat DetectPictureFormat(std::span<const uint8_t> bytes);

}  // namespace morvane
