#include "bench_gifs.h"

#include <cstdint>

namespace morvane::bench {
namespace {

std::vector<GifColor> Palette(int seed) {
    std::vector<GifColor> palette;
    for (int i = 0; i < 256; ++i) {
        palette.push_back({static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                           static_cast<uint8_t>(i * 7 + seed)});
    }
    return palette;
}

// Pixels with texture: smooth bands with some noise, which compress like painted pictures.
uint8_t Texture(int x, int y, int f, uint32_t& noise) {
    noise = noise * 1103515245u + 12345u;
    const int wobble = static_cast<int>((noise >> 16) % 3);
    return static_cast<uint8_t>((x / 6 + y / 5 + 3 * f + wobble) % 250);
}

GifImage Image(int seed) {
    GifImage image;
    image.width = kGifWidth;
    image.height = kGifHeight;
    image.global_palette = Palette(seed);
    image.repeat = 0;
    return image;
}

GifFrame Whole(int f, uint32_t& noise) {
    GifFrame frame;
    frame.width = kGifWidth;
    frame.height = kGifHeight;
    frame.disposal = 1;
    frame.delay_cs = 10;
    frame.indices.resize(static_cast<std::size_t>(kGifWidth) * kGifHeight);
    for (int y = 0; y < kGifHeight; ++y) {
        for (int x = 0; x < kGifWidth; ++x) {
            frame.indices[static_cast<std::size_t>(y) * kGifWidth + x] = Texture(x, y, f, noise);
        }
    }
    return frame;
}

}  // namespace

GifImage WholePictureGif(int frames, int seed) {
    GifImage image = Image(seed);
    uint32_t noise = static_cast<uint32_t>(seed);
    for (int f = 0; f < frames; ++f) {
        image.frames.push_back(Whole(f, noise));
    }
    return image;
}

GifImage MovingSpriteGif(int frames, int seed) {
    GifImage image = Image(seed);
    uint32_t noise = static_cast<uint32_t>(seed);
    image.frames.push_back(Whole(0, noise));
    for (int f = 1; f < frames; ++f) {
        GifFrame sprite;
        sprite.left = (12 * f) % (kGifWidth - 64);
        sprite.top = 200 + (f % 7) * 8;
        sprite.width = 64;
        sprite.height = 64;
        sprite.disposal = 3;
        sprite.delay_cs = 8;
        sprite.transparent = 255;
        sprite.indices.resize(64 * 64);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const int dx = x - 32;
                const int dy = y - 32;
                sprite.indices[static_cast<std::size_t>(y) * 64 + x] =
                    dx * dx + dy * dy < 900 ? Texture(x, y, f, noise) : 255;
            }
        }
        image.frames.push_back(std::move(sprite));
    }
    return image;
}

GifImage StillGif(int seed) {
    return WholePictureGif(1, seed);
}

std::vector<GifImage> SceneObjectGifs(int count) {
    std::vector<GifImage> gifs;
    for (int i = 0; i < count; ++i) {
        GifImage image = Image(i);
        uint32_t noise = static_cast<uint32_t>(i + 1);
        // The object's place on the canvas, spread over the scene.
        const int width = 96 + 8 * (i % 4);
        const int height = 80 + 8 * (i % 3);
        const int left = 20 + (i % 5) * 124;
        const int top = 20 + (i / 5) * 112;
        const int frames = 12 + i % 10;
        for (int f = 0; f < frames; ++f) {
            GifFrame frame;
            frame.delay_cs = 6 + 2 * (i % 5);
            frame.disposal = 1;
            if (f == 0) {
                // The whole canvas, transparent around the object.
                frame.width = kGifWidth;
                frame.height = kGifHeight;
                frame.transparent = 255;
                frame.indices.assign(static_cast<std::size_t>(kGifWidth) * kGifHeight, 255);
            } else {
                frame.left = left;
                frame.top = top;
                frame.width = width;
                frame.height = height;
                frame.indices.resize(static_cast<std::size_t>(width) * height);
            }
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const uint8_t pixel = Texture(x, y, f, noise);
                    if (f == 0) {
                        frame.indices[static_cast<std::size_t>(top + y) * kGifWidth + left + x] =
                            pixel;
                    } else {
                        frame.indices[static_cast<std::size_t>(y) * width + x] = pixel;
                    }
                }
            }
            image.frames.push_back(std::move(frame));
        }
        gifs.push_back(std::move(image));
    }
    return gifs;
}

}  // namespace morvane::bench
