#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gif_writer.h"
#include "platform/picture.h"

namespace morvane::testing {

// Colours the GIF tests paint with, as palette entries and as the pixels a decoder gives back.
inline const std::vector<GifColor> kTestPalette{{0, 0, 0},   {255, 0, 0},   {0, 255, 0},
                                                {0, 0, 255}, {255, 255, 0}, {255, 255, 255}};
inline constexpr uint32_t kBlackPixel = 0xFF000000;
inline constexpr uint32_t kRedPixel = 0xFFFF0000;
inline constexpr uint32_t kGreenPixel = 0xFF00FF00;
inline constexpr uint32_t kBluePixel = 0xFF0000FF;
inline constexpr uint32_t kYellowPixel = 0xFFFFFF00;
inline constexpr uint32_t kClearPixel = 0x00000000;

inline uint32_t Argb(const GifColor& c) {
    return 0xFF000000u | (uint32_t{c.red} << 16) | (uint32_t{c.green} << 8) | c.blue;
}

// A frame filled with one palette index.
inline GifFrame SolidFrame(int left, int top, int width, int height, uint8_t index) {
    GifFrame frame;
    frame.left = left;
    frame.top = top;
    frame.width = width;
    frame.height = height;
    frame.indices.assign(static_cast<std::size_t>(width) * height, index);
    return frame;
}

inline GifImage ImageOf(int width, int height, std::vector<GifFrame> frames) {
    GifImage image;
    image.width = width;
    image.height = height;
    image.global_palette = kTestPalette;
    image.frames = std::move(frames);
    return image;
}

inline std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

inline std::vector<uint32_t> FramePixels(const Picture& picture, int frame) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(picture.Width()) * picture.Height());
    picture.CopyFrameArgb(frame, pixels.data());
    return pixels;
}

inline uint32_t PixelAt(const Picture& picture, int frame, int x, int y) {
    return FramePixels(picture, frame)[static_cast<std::size_t>(y) * picture.Width() + x];
}

}  // namespace morvane::testing
