#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/picture_format.h"

namespace morvane {

// A still picture's pixels, 0xAARRGGBB row by row; or, when nothing could be decoded, why.
struct StillPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    std::string error;
};

// Decodes the still formats the player reads with an image library: BMP, JPEG, PNG, and the
// bitmap inside an icon or cursor file (kIcon, kCursor: the single-image file the loader cuts
// out of the directory). The backend supplies it, so the platform library itself decodes only
// GIFs and needs no image library. Damaged data is an error, never a crash.
class StillPictureDecoder {
  public:
    virtual ~StillPictureDecoder() = default;
    virtual StillPixels Decode(std::span<const uint8_t> bytes, PictureFormat format) const = 0;
};

}  // namespace morvane
