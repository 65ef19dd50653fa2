#include "platform/gif_decoder.h"

#include <gtest/gtest.h>

#include "picture_test_support.h"
#include "platform/gif_writer.h"

namespace morvane {
namespace {

using namespace morvane::testing;

PicturePtr Decode(const GifImage& image) {
    PictureResult result = DecodeGif(Bytes(EncodeGif(image)), "test.gif");
    EXPECT_TRUE(result) << result.detail;
    return result.picture;
}

GifFrame WithDisposal(GifFrame frame, int disposal) {
    frame.disposal = disposal;
    return frame;
}

// --- compositing -------------------------------------------------------------------------

// A pixel a decoded frame must show.
struct PixelCheck {
    int frame, x, y;
    uint32_t argb;
};
PixelCheck Shows(int frame, int x, int y, uint32_t argb) {
    return {frame, x, y, argb};
}

struct CompositingCase {
    const char* name;
    GifImage image;
    std::vector<PixelCheck> pixels;  // checked in this order
};

GifImage WithBackground(GifImage image, uint8_t background) {
    image.background = background;
    return image;
}

TEST(GifCompositing, FramesAreDrawnAndDisposedAsBrowsersDoIt) {
    const CompositingCase cases[] = {
        {"the first frame starts on a transparent canvas",
         ImageOf(4, 4, {SolidFrame(1, 1, 2, 2, 1)}),
         {Shows(0, 0, 0, kClearPixel), Shows(0, 1, 1, kRedPixel), Shows(0, 2, 2, kRedPixel),
          Shows(0, 3, 3, kClearPixel)}},
        // The first frame is still whole when read after the second.
        {"unspecified disposal leaves the frame under the next one",
         ImageOf(4, 4, {WithDisposal(SolidFrame(0, 0, 4, 4, 3), 0), SolidFrame(0, 0, 2, 2, 1)}),
         {Shows(1, 0, 0, kRedPixel), Shows(1, 1, 1, kRedPixel), Shows(1, 2, 2, kBluePixel),
          Shows(1, 3, 0, kBluePixel), Shows(0, 0, 0, kBluePixel)}},
        {"do-not-dispose leaves the frame under the next one",
         ImageOf(4, 4, {WithDisposal(SolidFrame(0, 0, 4, 4, 3), 1), SolidFrame(0, 0, 2, 2, 1)}),
         {Shows(1, 0, 0, kRedPixel), Shows(1, 1, 1, kRedPixel), Shows(1, 2, 2, kBluePixel),
          Shows(1, 3, 0, kBluePixel), Shows(0, 0, 0, kBluePixel)}},
        // Browsers ignore the background colour; so do we.
        {"background disposal clears the rectangle to transparent",
         WithBackground(
             ImageOf(4, 4,
                     {WithDisposal(SolidFrame(0, 0, 4, 4, 3), 1),
                      WithDisposal(SolidFrame(1, 1, 2, 2, 1), 2), SolidFrame(0, 0, 1, 1, 2)}),
             4),
         {Shows(1, 1, 1, kRedPixel), Shows(2, 1, 1, kClearPixel), Shows(2, 2, 2, kClearPixel),
          Shows(2, 3, 3, kBluePixel), Shows(2, 0, 0, kGreenPixel)}},
        {"previous disposal restores what the frame covered",
         ImageOf(4, 4,
                 {WithDisposal(SolidFrame(0, 0, 4, 4, 3), 1),
                  WithDisposal(SolidFrame(1, 1, 2, 2, 1), 3), SolidFrame(3, 3, 1, 1, 2)}),
         {Shows(1, 1, 1, kRedPixel), Shows(2, 1, 1, kBluePixel), Shows(2, 2, 2, kBluePixel),
          Shows(2, 3, 3, kGreenPixel)}},
        {"previous disposal of the first frame restores transparency",
         ImageOf(3, 3, {WithDisposal(SolidFrame(0, 0, 3, 3, 1), 3), SolidFrame(0, 0, 1, 1, 2)}),
         {Shows(1, 0, 0, kGreenPixel), Shows(1, 2, 2, kClearPixel)}},
        {"a frame reaching past the screen is clipped",
         ImageOf(4, 4, {SolidFrame(2, 2, 4, 4, 1)}),
         {Shows(0, 3, 3, kRedPixel), Shows(0, 1, 1, kClearPixel)}},
    };
    for (const CompositingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PicturePtr picture = Decode(c.image);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), c.image.width);
        EXPECT_EQ(picture->Height(), c.image.height);
        ASSERT_EQ(picture->FrameCount(), static_cast<int>(c.image.frames.size()));
        for (const PixelCheck& p : c.pixels) {
            EXPECT_EQ(PixelAt(*picture, p.frame, p.x, p.y), p.argb)
                << "frame " << p.frame << " at " << p.x << "," << p.y;
        }
    }
}

TEST(GifCompositing, TransparentIndexLetsTheCanvasShowThrough) {
    GifFrame checker = SolidFrame(0, 0, 4, 4, 1);
    for (std::size_t i = 0; i < checker.indices.size(); ++i) {
        checker.indices[i] = (i % 2 == 0) ? 1 : 5;
    }
    checker.transparent = 5;
    const auto over = FramePixels(
        *Decode(ImageOf(4, 4, {WithDisposal(SolidFrame(0, 0, 4, 4, 3), 1), checker})), 1);
    const auto single = FramePixels(*Decode(ImageOf(4, 4, {checker})), 0);
    for (std::size_t i = 0; i < over.size(); ++i) {
        EXPECT_EQ(over[i], i % 2 == 0 ? kRedPixel : kBluePixel) << i;
        EXPECT_EQ(single[i], i % 2 == 0 ? kRedPixel : kClearPixel) << i;
    }
}

TEST(GifCompositing, LocalPaletteTakesPrecedenceOverTheGlobalOne) {
    GifFrame local = SolidFrame(0, 0, 2, 1, 0);
    local.indices[1] = 1;
    local.local_palette = {{10, 20, 30}, {200, 100, 50}};
    GifImage image = ImageOf(2, 2, {SolidFrame(0, 1, 2, 1, 1), local});
    auto picture = Decode(image);
    EXPECT_EQ(PixelAt(*picture, 1, 0, 0), 0xFF0A141Eu);
    EXPECT_EQ(PixelAt(*picture, 1, 1, 0), 0xFFC86432u);
    EXPECT_EQ(PixelAt(*picture, 1, 0, 1), kRedPixel);

    image.global_palette.clear();
    image.frames = {local};
    EXPECT_EQ(PixelAt(*Decode(image), 0, 0, 0), 0xFF0A141Eu);
}

TEST(GifCompositing, InterlacedFramesDecodeLikePlainOnes) {
    GifFrame plain = SolidFrame(0, 0, 5, 11, 0);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 5; ++x) {
            plain.indices[static_cast<std::size_t>(y) * 5 + x] =
                static_cast<uint8_t>((x + 2 * y) % 6);
        }
    }
    GifFrame interlaced = plain;
    interlaced.interlaced = true;
    const auto expected = FramePixels(*Decode(ImageOf(5, 11, {plain})), 0);
    EXPECT_EQ(FramePixels(*Decode(ImageOf(5, 11, {interlaced})), 0), expected);
    for (int y = 0; y < 11; ++y) {
        EXPECT_EQ(expected[static_cast<std::size_t>(y) * 5], Argb(kTestPalette[(2 * y) % 6]));
    }
}

TEST(GifCompositing, ScreenOfZeroSizeTakesTheFirstFramesExtent) {
    std::string bytes = EncodeGif(ImageOf(4, 4, {SolidFrame(1, 1, 3, 2, 1)}));
    bytes[6] = bytes[7] = bytes[8] = bytes[9] = 0;  // logical screen width and height
    PictureResult result = DecodeGif(Bytes(bytes));
    ASSERT_TRUE(result) << result.detail;
    EXPECT_EQ(result.picture->Width(), 4);
    EXPECT_EQ(result.picture->Height(), 3);
}

// --- timing and looping ------------------------------------------------------------------

TEST(GifTiming, DelaysOfZeroOrOneHundredthPlayAtOneHundredMilliseconds) {
    std::vector<GifFrame> frames;
    for (int delay : {0, 1, 2, 50}) {
        frames.push_back(SolidFrame(0, 0, 1, 1, static_cast<uint8_t>(frames.size())));
        frames.back().delay_cs = delay;
    }
    auto picture = Decode(ImageOf(1, 1, frames));
    ASSERT_EQ(picture->FrameCount(), 4);
    EXPECT_EQ(picture->FrameDelayMs(0), 100);
    EXPECT_EQ(picture->FrameDelayMs(1), 100);
    EXPECT_EQ(picture->FrameDelayMs(2), 20);
    EXPECT_EQ(picture->FrameDelayMs(3), 500);
}

TEST(GifTiming, LoopCountIsTheNumberOfPasses) {
    GifImage image = ImageOf(1, 1, {SolidFrame(0, 0, 1, 1, 1), SolidFrame(0, 0, 1, 1, 2)});
    EXPECT_EQ(Decode(image)->LoopCount(), 1);
    image.repeat = 0;
    EXPECT_EQ(Decode(image)->LoopCount(), 0);
    image.repeat = 3;
    EXPECT_EQ(Decode(image)->LoopCount(), 4);
}

TEST(GifTiming, GifsHaveNoHotSpotAndKeepTheirName) {
    PictureResult result =
        DecodeGif(Bytes(EncodeGif(ImageOf(1, 1, {SolidFrame(0, 0, 1, 1, 1)}))), "lamp.gif");
    ASSERT_TRUE(result);
    EXPECT_FALSE(result.picture->CursorHotSpot());
    EXPECT_EQ(result.picture->SourceName(), "lamp.gif");
}

// --- damaged files -----------------------------------------------------------------------

TEST(GifDamage, NonGifDataFailsAsAnInvalidPicture) {
    for (const std::string& bytes :
         {std::string(), std::string("GIF89a"), std::string("hello world"),
          std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14)}) {
        PictureResult result = DecodeGif(Bytes(bytes));
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, ErrorNumber::kInvalidPictureFormat);
        EXPECT_FALSE(result.detail.empty());
    }
}

TEST(GifDamage, TruncatedFileKeepsTheFramesAndRowsThatArrived) {
    GifFrame noise = SolidFrame(0, 0, 32, 32, 0);
    uint32_t seed = 12345;
    for (auto& index : noise.indices) {
        seed = seed * 1103515245u + 12345u;
        index = static_cast<uint8_t>(1 + (seed >> 16) % 5);
    }
    const std::vector<GifFrame> first_two{SolidFrame(0, 0, 32, 32, 3), SolidFrame(0, 0, 4, 4, 1)};
    std::vector<GifFrame> all = first_two;
    all.push_back(noise);
    const std::string two = EncodeGif(ImageOf(32, 32, first_two));
    const std::string three = EncodeGif(ImageOf(32, 32, all));
    // The three-frame file repeats the two-frame one up to its trailer. Pixel data comes in
    // sub-blocks of 255 bytes: cut inside the third frame's second sub-block.
    ASSERT_GT(three.size() - two.size(), 300u);
    ASSERT_EQ(three.compare(0, two.size() - 1, two, 0, two.size() - 1), 0);
    const std::size_t cut = three.size() - 30;
    PictureResult result = DecodeGif(Bytes(three.substr(0, cut)));
    ASSERT_TRUE(result) << result.detail;
    ASSERT_EQ(result.picture->FrameCount(), 3);
    EXPECT_EQ(PixelAt(*result.picture, 1, 0, 0), kRedPixel);
    EXPECT_EQ(PixelAt(*result.picture, 1, 31, 31), kBluePixel);
    // The rows that arrived show the third frame, the missing ones the canvas below it.
    const auto last = FramePixels(*result.picture, 2);
    EXPECT_EQ(last[0], Argb(kTestPalette[noise.indices[0]]));
    EXPECT_EQ(last.back(), kBluePixel);
}

TEST(GifDamage, HugeScreenFailsInsteadOfExhaustingMemory) {
    std::string bytes = EncodeGif(ImageOf(4, 4, {SolidFrame(0, 0, 4, 4, 1)}));
    bytes[6] = bytes[7] = bytes[8] = bytes[9] = '\xFF';
    PictureResult result = DecodeGif(Bytes(bytes));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, ErrorNumber::kInvalidPictureFormat);
}

}  // namespace
}  // namespace morvane
