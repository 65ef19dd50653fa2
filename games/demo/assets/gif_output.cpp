#include "gif_output.h"

#include <map>
#include <stdexcept>

#include "platform/gif_writer.h"

namespace morvane::demo {
namespace {

uint32_t Pack(Rgb colour, uint8_t mask) {
    return (static_cast<uint32_t>(colour.r & mask) << 16) |
           (static_cast<uint32_t>(colour.g & mask) << 8) | static_cast<uint32_t>(colour.b & mask);
}

bool HasTransparency(const std::vector<Canvas>& frames) {
    for (const Canvas& frame : frames) {
        for (int y = 0; y < frame.Height(); ++y) {
            for (int x = 0; x < frame.Width(); ++x) {
                if (!frame.IsOpaque(x, y)) {
                    return true;
                }
            }
        }
    }
    return false;
}

// The colours of all frames, with their low bits dropped until they fit the palette.
std::map<uint32_t, uint8_t> BuildPalette(const std::vector<Canvas>& frames, std::size_t limit,
                                         uint8_t& mask) {
    for (mask = 0xFF;; mask = static_cast<uint8_t>(mask << 1)) {
        std::map<uint32_t, uint8_t> palette;
        bool fits = true;
        for (const Canvas& frame : frames) {
            for (int y = 0; y < frame.Height() && fits; ++y) {
                for (int x = 0; x < frame.Width(); ++x) {
                    if (!frame.IsOpaque(x, y)) {
                        continue;
                    }
                    const uint32_t key = Pack(frame.At(x, y), mask);
                    if (palette.count(key) == 0) {
                        if (palette.size() == limit) {
                            fits = false;
                            break;
                        }
                        palette.emplace(key, static_cast<uint8_t>(palette.size()));
                    }
                }
            }
        }
        if (fits) {
            return palette;
        }
        if (mask == 0) {
            throw std::logic_error("picture cannot be reduced to a palette");
        }
    }
}

}  // namespace

void WritePicture(const std::filesystem::path& file, const std::vector<Canvas>& frames,
                  int delay_cs, bool play_once) {
    if (frames.empty()) {
        throw std::logic_error("a picture needs a frame");
    }
    const bool transparent = HasTransparency(frames);
    uint8_t mask = 0xFF;
    const auto palette = BuildPalette(frames, transparent ? 255 : 256, mask);

    GifImage image;
    image.width = frames.front().Width();
    image.height = frames.front().Height();
    image.global_palette.resize(palette.size() + (transparent ? 1 : 0));
    for (const auto& [key, index] : palette) {
        image.global_palette[index] =
            GifColor{static_cast<uint8_t>(key >> 16), static_cast<uint8_t>(key >> 8),
                     static_cast<uint8_t>(key)};
    }
    const auto clear = static_cast<uint8_t>(palette.size());
    image.background = transparent ? clear : 0;
    // Without a loop extension an animation plays once.
    if (frames.size() > 1 && !play_once) {
        image.repeat = 0;
    }
    for (const Canvas& canvas : frames) {
        if (canvas.Width() != image.width || canvas.Height() != image.height) {
            throw std::logic_error("frames of one picture must share its size");
        }
        GifFrame frame;
        frame.width = image.width;
        frame.height = image.height;
        frame.indices.reserve(static_cast<std::size_t>(image.width * image.height));
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                frame.indices.push_back(
                    canvas.IsOpaque(x, y) ? palette.at(Pack(canvas.At(x, y), mask)) : clear);
            }
        }
        frame.delay_cs = frames.size() > 1 ? delay_cs : 0;
        frame.disposal = frames.size() > 1 ? 2 : 0;
        if (transparent) {
            frame.transparent = clear;
        }
        image.frames.push_back(std::move(frame));
    }
    if (!WriteGif(file, image)) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace morvane::demo
