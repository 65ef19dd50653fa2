// The GIF decoder composites in palette entries and stores frames as changed rectangles; this
// checks every frame it gives against a plain 32-bit compositor written from the rules alone,
// on many generated GIFs: every disposal, transparency, local palettes that do and do not fit
// beside the global one, frames reaching past the screen, interlacing.

#include <gtest/gtest.h>

#include <random>

#include "picture_test_support.h"
#include "platform/gif_decoder.h"
#include "platform/gif_writer.h"
#include "platform/picture_changes.h"

namespace morvane {
namespace {

using namespace morvane::testing;

using Frame = std::vector<uint32_t>;

// Every frame as a browser shows it: a transparent canvas; a frame's opaque pixels drawn over
// what is there; then its rectangle kept (0, 1), cleared (2) or put back as it was (3).
std::vector<Frame> ReferenceFrames(const GifImage& image) {
    const int width = image.width;
    const int height = image.height;
    Frame canvas(static_cast<std::size_t>(width) * height, 0);
    std::vector<Frame> shown;
    for (const GifFrame& frame : image.frames) {
        const std::vector<GifColor>& palette =
            frame.local_palette.empty() ? image.global_palette : frame.local_palette;
        const Frame before = canvas;
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x) {
                const int cx = frame.left + x;
                const int cy = frame.top + y;
                const uint8_t index = frame.indices[static_cast<std::size_t>(y) * frame.width + x];
                if (cx >= width || cy >= height || frame.transparent == index) {
                    continue;
                }
                canvas[static_cast<std::size_t>(cy) * width + cx] = Argb(palette.at(index));
            }
        }
        shown.push_back(canvas);
        for (int y = frame.top; y < std::min(height, frame.top + frame.height); ++y) {
            for (int x = frame.left; x < std::min(width, frame.left + frame.width); ++x) {
                const std::size_t at = static_cast<std::size_t>(y) * width + x;
                if (frame.disposal == 2) {
                    canvas[at] = 0;
                } else if (frame.disposal == 3) {
                    canvas[at] = before[at];
                }
            }
        }
    }
    return shown;
}

std::vector<GifColor> RandomPalette(std::mt19937& random, int size) {
    std::vector<GifColor> palette;
    std::uniform_int_distribution<int> channel(0, 255);
    for (int i = 0; i < size; ++i) {
        // A few repeated colours, as palettes padded or merged by painting programs have.
        if (i > 0 && random() % 10 == 0) {
            palette.push_back(palette[random() % palette.size()]);
            continue;
        }
        palette.push_back({static_cast<uint8_t>(channel(random)),
                           static_cast<uint8_t>(channel(random)),
                           static_cast<uint8_t>(channel(random))});
    }
    return palette;
}

// How a generated GIF leans: the shapes the decoder treats differently.
enum class Shape {
    kMixed,         // anything goes
    kSprites,       // a whole first frame, then small frames over it
    kWholeFrames,   // every frame covers the screen
    kManyPalettes,  // frames with 256-colour local palettes of their own
};

GifImage RandomGif(std::mt19937& random, Shape shape) {
    auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    GifImage image;
    image.width = 1 + below(40);
    image.height = 1 + below(30);
    const int global_size = shape == Shape::kManyPalettes ? 256 : 2 + below(255);
    image.global_palette = RandomPalette(random, global_size);
    const int frames = 1 + below(10);
    for (int f = 0; f < frames; ++f) {
        GifFrame frame;
        const bool whole =
            shape == Shape::kWholeFrames || (shape == Shape::kSprites && f == 0) || below(5) == 0;
        if (whole) {
            frame.width = image.width;
            frame.height = image.height;
        } else {
            frame.left = below(image.width + 2);
            frame.top = below(image.height + 2);
            frame.width = 1 + below(shape == Shape::kSprites ? 8 : image.width + 4);
            frame.height = 1 + below(shape == Shape::kSprites ? 8 : image.height + 4);
        }
        int palette_size = global_size;
        if (shape == Shape::kManyPalettes ? f > 0 : below(4) == 0) {
            palette_size = shape == Shape::kManyPalettes ? 256 : 1 + below(256);
            frame.local_palette = RandomPalette(random, palette_size);
        }
        frame.indices.resize(static_cast<std::size_t>(frame.width) * frame.height);
        // Runs of one index as well as noise, so some frames change little.
        uint8_t index = static_cast<uint8_t>(below(palette_size));
        for (auto& pixel : frame.indices) {
            if (below(4) == 0) {
                index = static_cast<uint8_t>(below(palette_size));
            }
            pixel = index;
        }
        frame.disposal = below(4);
        if (below(2) == 0) {
            frame.transparent = static_cast<uint8_t>(below(palette_size));
        }
        frame.interlaced = below(5) == 0;
        frame.delay_cs = below(30);
        image.frames.push_back(std::move(frame));
    }
    return image;
}

// Every frame that says what it changed since the one before says it truly.
void ExpectChangesMatch(const Picture& picture, const std::vector<Frame>& expected) {
    const int width = picture.Width();
    Frame out(expected[0].size());
    for (int f = 1; f < picture.FrameCount(); ++f) {
        PictureRect rect;
        if (!CopyFrameChange(picture, f, rect, out.data())) {
            continue;
        }
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < width; ++x) {
                const std::size_t at = static_cast<std::size_t>(y) * width + x;
                const bool inside = x >= rect.x && x < rect.x + rect.width && y >= rect.y &&
                                    y < rect.y + rect.height;
                if (inside) {
                    ASSERT_EQ(out[static_cast<std::size_t>(y - rect.y) * rect.width + x - rect.x],
                              expected[f][at])
                        << "frame " << f << " at " << x << "," << y;
                } else {
                    ASSERT_EQ(expected[f - 1][at], expected[f][at])
                        << "frame " << f << " changed outside its rectangle at " << x << "," << y;
                }
            }
        }
    }
}

class GifCompositingCheck : public ::testing::TestWithParam<Shape> {};

TEST_P(GifCompositingCheck, EveryFrameMatchesAPlainCompositor) {
    std::mt19937 random(1000 + static_cast<unsigned>(GetParam()));
    for (int round = 0; round < 150; ++round) {
        const GifImage image = RandomGif(random, GetParam());
        SCOPED_TRACE("round " + std::to_string(round));
        const PictureResult result = DecodeGif(Bytes(EncodeGif(image)), "check.gif");
        ASSERT_TRUE(result) << result.detail;
        const std::vector<Frame> expected = ReferenceFrames(image);
        const Picture& picture = *result.picture;
        ASSERT_EQ(picture.FrameCount(), static_cast<int>(expected.size()));
        // Read backwards too: a frame must not depend on the one read before it.
        for (int f = picture.FrameCount() - 1; f >= 0; --f) {
            ASSERT_EQ(FramePixels(picture, f), expected[static_cast<std::size_t>(f)])
                << "frame " << f;
        }
        ExpectChangesMatch(picture, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, GifCompositingCheck,
                         ::testing::Values(Shape::kMixed, Shape::kSprites, Shape::kWholeFrames,
                                           Shape::kManyPalettes));

}  // namespace
}  // namespace morvane
