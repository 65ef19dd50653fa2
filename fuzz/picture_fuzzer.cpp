// Any bytes as a picture file: format detection, the size peek and the decoders (GIF with its
// frame compositor, BMP, JPEG, PNG, ICO, CUR). Bad data is an error result, never a crash.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/picture_dimensions.h"
#include "platform/picture_loader.h"
#include "platform/sdl/sdl_image_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const morvane::PictureFormat format = morvane::DetectPictureFormat(bytes);
    (void)morvane::PeekPictureSize(bytes, format);
    static const morvane::sdl::SdlImageDecoder stills;
    (void)morvane::DecodePicture(bytes, "fuzz", &stills);
    return 0;
}
