#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

struct GifColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// One image block of a GIF: a rectangle of palette indices with its graphic control.
struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;         // width x height, row by row
    std::vector<GifColor> local_palette;  // empty: the global palette
    int disposal = 0;                     // 0 unspecified, 1 keep, 2 background, 3 previous
    std::optional<uint8_t> transparent;   // transparent index
    int delay_cs = 0;                     // hundredths of a second
    bool interlaced = false;
};

struct GifImage {
    int width = 0;
    int height = 0;
    std::vector<GifColor> global_palette;  // may be empty when every frame has its own
    uint8_t background = 0;
    // The NETSCAPE2.0 repeat count (0 = for ever); nothing writes no loop extension.
    std::optional<uint16_t> repeat;
    std::vector<GifFrame> frames;
};

// Writes GIF89a bytes through giflib. Palettes are padded to a power of two. Throws
// std::invalid_argument for an image that cannot be written (no frames, a frame without a
// palette, pixel count not matching the rectangle, more than 256 colours).
std::string EncodeGif(const GifImage& image);

// Writes the image to a file; false when the file cannot be written.
bool WriteGif(const std::filesystem::path& path, const GifImage& image);

}  // namespace morvane
