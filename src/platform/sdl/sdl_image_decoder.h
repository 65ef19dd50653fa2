#pragma once

#include "platform/still_picture_decoder.h"

namespace morvane::sdl {

// The still formats decoded with SDL2_image. It needs no window or video driver, so headless
// runs decode with it too.
class SdlImageDecoder final : public StillPictureDecoder {
  public:
    StillPixels Decode(std::span<const uint8_t> bytes, PictureFormat format) const override;
};

}  // namespace morvane::sdl
