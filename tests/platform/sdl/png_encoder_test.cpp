#include "platform/png_encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/picture_loader.h"
#include "platform/sdl/sdl_image_decoder.h"

namespace morvane {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// What the encoder writes reads back, pixel for pixel, through the player's own picture
// loader with the image library's decoder, including see-through and half see-through pixels.
TEST(PngEncoder, PicturesReadBackAsTheyWereWritten) {
    struct Case {
        int width;
        int height;
    };
    const sdl::SdlImageDecoder stills;
    for (const Case c : {Case{1, 1}, Case{160, 109}, Case{7, 3}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        std::vector<uint32_t> pixels(static_cast<std::size_t>(c.width) * c.height);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const auto v = static_cast<uint32_t>(i * 2654435761u);
            const uint32_t alpha = i % 3 == 0 ? 0xFFu : (i % 3 == 1 ? 0x80u : 0x00u);
            pixels[i] = (alpha << 24) | (v & 0x00FFFFFFu);
        }
        const std::string png = EncodePng(c.width, c.height, pixels);
        EXPECT_EQ(DetectPictureFormat(Bytes(png)), PictureFormat::kPng);
        const PictureResult decoded = DecodePicture(Bytes(png), "thumb.png", &stills);
        ASSERT_TRUE(decoded.picture) << decoded.detail;
        ASSERT_EQ(decoded.picture->Width(), c.width);
        ASSERT_EQ(decoded.picture->Height(), c.height);
        std::vector<uint32_t> back(pixels.size());
        decoded.picture->CopyFrameArgb(0, back.data());
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            // A fully see-through pixel has no colour worth keeping.
            if ((pixels[i] >> 24) == 0) {
                ASSERT_EQ(back[i] >> 24, 0u) << i;
            } else {
                ASSERT_EQ(back[i], pixels[i]) << i;
            }
        }
    }
}

TEST(PngEncoder, PixelsThatDoNotMatchTheSizeAreRefused) {
    const std::vector<uint32_t> pixels(5, 0xFF000000u);
    EXPECT_THROW(EncodePng(2, 2, pixels), std::invalid_argument);
    EXPECT_THROW(EncodePng(0, 5, pixels), std::invalid_argument);
}

}  // namespace
}  // namespace morvane
