#include <gtest/gtest.h>

#include <random>

#include "picture_test_support.h"
#include "platform/gif_decoder.h"
#include "platform/gif_writer.h"
#include "platform/picture_loader.h"

namespace morvane {
namespace {

using namespace morvane::testing;

// A GIF that uses every feature the decoder handles, so damage can land anywhere.
std::string FeatureRichGif() {
    std::vector<GifFrame> frames;
    for (int i = 0; i < 6; ++i) {
        GifFrame frame = SolidFrame(i, i, 12 - i, 10 - i, 0);
        for (std::size_t p = 0; p < frame.indices.size(); ++p) {
            frame.indices[p] = static_cast<uint8_t>((p * 7 + i) % 6);
        }
        frame.disposal = i % 4;
        frame.delay_cs = i;
        frame.interlaced = i % 2 == 1;
        if (i == 2) {
            frame.transparent = 3;
        }
        if (i == 4) {
            frame.local_palette = {{1, 2, 3},    {4, 5, 6},    {7, 8, 9},
                                   {10, 11, 12}, {13, 14, 15}, {16, 17, 18}};
        }
        frames.push_back(frame);
    }
    GifImage image = ImageOf(14, 12, frames);
    image.repeat = 2;
    return EncodeGif(image);
}

// Decodes damaged bytes; a result must either fail cleanly or be a whole, readable picture.
void ExpectDecodesSafely(const std::string& bytes) {
    const PictureResult result = DecodePicture(Bytes(bytes), "damaged.gif", nullptr);
    if (!result) {
        EXPECT_EQ(result.error, ErrorNumber::kInvalidPictureFormat);
        return;
    }
    const Picture& picture = *result.picture;
    ASSERT_GT(picture.Width(), 0);
    ASSERT_GT(picture.Height(), 0);
    ASSERT_GE(picture.FrameCount(), 1);
    for (int frame = 0; frame < picture.FrameCount(); ++frame) {
        EXPECT_GE(picture.FrameDelayMs(frame), 20);
        FramePixels(picture, frame);
    }
}

TEST(GifFuzz, EveryTruncationFailsCleanlyOrKeepsWhatArrived) {
    const std::string whole = FeatureRichGif();
    int decoded = 0;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        ExpectDecodesSafely(whole.substr(0, length));
        decoded += DecodeGif(Bytes(whole.substr(0, length))) ? 1 : 0;
    }
    // Once the first frame is in, every longer prefix shows something.
    EXPECT_GT(decoded, static_cast<int>(whole.size()) / 2);
}

TEST(GifFuzz, FlippedBitsFailCleanlyOrDecode) {
    const std::string whole = FeatureRichGif();
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> position(0, whole.size() - 1);
    std::uniform_int_distribution<int> bit(0, 7);
    std::uniform_int_distribution<int> flips(1, 4);
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = whole;
        for (int n = flips(random); n > 0; --n) {
            damaged[position(random)] ^= static_cast<char>(1 << bit(random));
        }
        SCOPED_TRACE(round);
        ExpectDecodesSafely(damaged);
    }
}

TEST(GifFuzz, RandomBytesAfterAGifHeaderFailCleanlyOrDecode) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 500; ++round) {
        std::string bytes = "GIF89a";
        const int length = 1 + round % 200;
        for (int i = 0; i < length; ++i) {
            bytes.push_back(static_cast<char>(byte(random)));
        }
        SCOPED_TRACE(round);
        ExpectDecodesSafely(bytes);
    }
}

}  // namespace
}  // namespace morvane
