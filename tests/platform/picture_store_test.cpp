#include "platform/picture_store.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "picture_test_support.h"
#include "platform/gif_decoder.h"
#include "platform/gif_writer.h"

namespace morvane {
namespace {

using namespace morvane::testing;

using Frame = std::vector<uint32_t>;

// Adds the frames, then reads them back in an order that jumps backwards and forwards.
void ExpectExactRoundTrip(int width, int height, const std::vector<Frame>& frames) {
    CompactPictureBuilder builder(width, height);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        builder.AddFrame(frames[i].data(), static_cast<int>(10 * (i + 1)));
    }
    PicturePtr picture = builder.Build();
    ASSERT_EQ(picture->FrameCount(), static_cast<int>(frames.size()));
    std::vector<int> order;
    for (int i = picture->FrameCount() - 1; i >= 0; --i) {
        order.push_back(i);
    }
    for (int i = 0; i < picture->FrameCount(); i += 3) {
        order.push_back(i);
    }
    for (int i : order) {
        SCOPED_TRACE(i);
        EXPECT_EQ(FramePixels(*picture, i), frames[i]);
        EXPECT_EQ(picture->FrameDelayMs(i), 10 * (i + 1));
    }
}

TEST(CompactPicture, FramesWithFewColoursComeBackExactly) {
    std::vector<Frame> frames;
    Frame frame(40 * 30, 0xFF102030);
    for (int i = 0; i < 20; ++i) {
        // A small square moves: most frames are stored as changed rectangles.
        for (int y = 5; y < 12; ++y) {
            for (int x = i; x < i + 7; ++x) {
                frame[static_cast<std::size_t>(y) * 40 + x] =
                    0xFF000000u | static_cast<uint32_t>(i * 997);
            }
        }
        frames.push_back(frame);
        if (i % 7 == 6) {
            frames.push_back(frame);  // a frame that repeats the one before
        }
    }
    ExpectExactRoundTrip(40, 30, frames);
}

TEST(CompactPicture, FramesWithManyColoursComeBackExactly) {
    std::mt19937 random(99);
    std::vector<Frame> frames;
    for (int i = 0; i < 12; ++i) {
        Frame frame(64 * 64);
        // Some frames use 200 colours of their own (a new palette each), some thousands.
        const uint32_t colours = i % 3 == 0 ? 5000 : 200;
        for (auto& pixel : frame) {
            pixel = 0xFF000000u | (static_cast<uint32_t>(i) << 16) |
                    static_cast<uint32_t>(random() % colours);
        }
        frames.push_back(frame);
    }
    ExpectExactRoundTrip(64, 64, frames);
}

TEST(CompactPicture, FullyTransparentPixelsAllReadAsZero) {
    const Frame frame{0x00FFFFFF, 0x00123456, 0x80FF0000, 0xFF00FF00};
    PicturePtr picture = MakeStillPicture(2, 2, frame);
    EXPECT_EQ(FramePixels(*picture, 0), (Frame{0, 0, 0x80FF0000, 0xFF00FF00}));
    EXPECT_EQ(picture->FrameCount(), 1);
    EXPECT_THROW(MakeStillPicture(3, 2, frame), std::invalid_argument);
}

// The measurement asked of the store: a 60-frame 640 x 480 GIF against 32-bit frames.
std::size_t DecodedBytes(bool whole_picture_changes) {
    constexpr int kWidth = 640;
    constexpr int kHeight = 480;
    GifImage image = ImageOf(kWidth, kHeight, {});
    image.global_palette.clear();
    for (int i = 0; i < 256; ++i) {
        image.global_palette.push_back(
            {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 7)});
    }
    for (int f = 0; f < 60; ++f) {
        if (whole_picture_changes || f == 0) {
            GifFrame frame = SolidFrame(0, 0, kWidth, kHeight, 0);
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < kWidth; ++x) {
                    frame.indices[static_cast<std::size_t>(y) * kWidth + x] =
                        static_cast<uint8_t>((x / 8 + y / 8 + f) % 256);
                }
            }
            image.frames.push_back(frame);
        } else {
            // A 64 x 64 sprite walking across a still background.
            GifFrame sprite = SolidFrame(8 * f, 200, 64, 64, static_cast<uint8_t>(f));
            sprite.disposal = 3;
            image.frames.push_back(sprite);
        }
    }
    PictureResult result = DecodeGif(Bytes(EncodeGif(image)));
    EXPECT_TRUE(result) << result.detail;
    return result ? result.picture->MemoryBytes() : 0;
}

TEST(CompactPicture, SixtyFramesOf640x480TakeAQuarterOfTheirSizeOrLess) {
    const std::size_t full_32_bit = 60u * 640 * 480 * 4;
    const std::size_t every_pixel_changes = DecodedBytes(true);
    const std::size_t sprite_moves = DecodedBytes(false);
    std::cout << "60 x 640x480: 32-bit " << full_32_bit << " bytes, whole picture changing "
              << every_pixel_changes << " bytes, moving sprite " << sprite_moves << " bytes\n";
    EXPECT_LT(every_pixel_changes, full_32_bit / 4 + full_32_bit / 100);
    EXPECT_LT(sprite_moves, full_32_bit / 40);
}

}  // namespace
}  // namespace morvane
