#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gif_writer.h"

namespace morvane::testing {

// A GIF of `frames` frames of 100 ms, black and white in turn, so every frame differs from the
// one before it.
inline GifImage BlinkingGif(int width, int height, int frames) {
    GifImage image;
    image.width = width;
    image.height = height;
    image.global_palette = {{0, 0, 0}, {255, 255, 255}};
    for (int f = 0; f < frames; ++f) {
        GifFrame frame;
        frame.width = width;
        frame.height = height;
        frame.indices.assign(static_cast<std::size_t>(width) * height, static_cast<uint8_t>(f % 2));
        frame.delay_cs = 10;
        image.frames.push_back(frame);
    }
    return image;
}

}  // namespace morvane::testing
