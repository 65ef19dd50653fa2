// Any bytes as a GIF: the decoder and the compositor that builds every frame.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gif_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    (void)morvane::DecodeGif(std::span<const uint8_t>(data, size), "fuzz.gif");
    return 0;
}
