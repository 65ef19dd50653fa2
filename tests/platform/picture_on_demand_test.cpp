#include "platform/picture_on_demand.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "picture_test_support.h"
#include "platform/picture_store.h"

namespace morvane {
namespace {

using namespace morvane::testing;

PicturePtr TwoFramePicture(int width, int height, int delay_ms, uint32_t colour) {
    CompactPictureBuilder builder(width, height);
    const std::vector<uint32_t> first(static_cast<std::size_t>(width) * height, colour);
    const std::vector<uint32_t> second(first.size(), kBluePixel);
    builder.AddFrame(first.data(), delay_ms);
    builder.AddFrame(second.data(), delay_ms);
    builder.SetHotSpot(HotSpot{1, 2});
    return builder.Build();
}

TEST(PictureOnDemand, AnswersItsShapeWithoutDrawingAndDrawsOnceWhenRead) {
    int draws = 0;
    const PicturePtr picture = DrawOnDemand({6, 4, {70, 90}}, [&draws] {
        ++draws;
        PicturePtr drawn = TwoFramePicture(6, 4, 70, kRedPixel);
        return drawn;
    });
    EXPECT_EQ(picture->Width(), 6);
    EXPECT_EQ(picture->Height(), 4);
    EXPECT_EQ(picture->FrameCount(), 2);
    EXPECT_EQ(picture->FrameDelayMs(1), 90);
    EXPECT_TRUE(picture->SourceName().empty());
    EXPECT_EQ(draws, 0);
    // The delays differ from the promised ones: a fault of whoever promised them.
    EXPECT_THROW(FramePixels(*picture, 0), std::logic_error);

    draws = 0;
    const PicturePtr good = DrawOnDemand({6, 4, {70, 70}}, [&draws] {
        ++draws;
        return TwoFramePicture(6, 4, 70, kRedPixel);
    });
    EXPECT_EQ(PixelAt(*good, 0, 5, 3), kRedPixel);
    EXPECT_EQ(PixelAt(*good, 1, 0, 0), kBluePixel);
    ASSERT_TRUE(good->CursorHotSpot());
    EXPECT_EQ(good->CursorHotSpot()->y, 2);
    EXPECT_EQ(draws, 1);
}

TEST(PictureOnDemand, ADrawingOfAnotherSizeIsRefused) {
    const PicturePtr picture =
        DrawOnDemand({5, 4}, [] { return MakeStillPicture(4, 4, std::vector<uint32_t>(16)); });
    EXPECT_THROW(FramePixels(*picture, 0), std::logic_error);
}

}  // namespace
}  // namespace morvane
