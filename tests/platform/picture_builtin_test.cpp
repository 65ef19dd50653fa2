#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/runtime_error.h"
#include "picture_test_support.h"
#include "platform/builtin_pictures.h"
#include "support/runtime_errors.h"

namespace morvane {
namespace {

using namespace morvane::testing;

uint32_t Alpha(uint32_t pixel) {
    return pixel >> 24;
}

TEST(BuiltInPictures, FifteenDistinctPointersWithHotSpotsOnThem) {
    BuiltInPictures builtins;
    std::set<std::vector<uint32_t>> looks;
    for (int n = 1; n <= BuiltInPictures::kPointerCount; ++n) {
        SCOPED_TRACE(n);
        const PicturePtr pointer = builtins.Defaults(n);
        ASSERT_TRUE(pointer);
        EXPECT_EQ(pointer->Width(), 32);
        EXPECT_EQ(pointer->Height(), 32);
        EXPECT_EQ(pointer->FrameCount(), 1);
        const auto pixels = FramePixels(*pointer, 0);
        looks.insert(pixels);
        // The picture is neither empty nor a filled square.
        const auto opaque = std::count_if(pixels.begin(), pixels.end(),
                                          [](uint32_t p) { return Alpha(p) == 0xFF; });
        EXPECT_GT(opaque, 60);
        EXPECT_LT(opaque, 32 * 32 * 3 / 4);
        // The hot spot lies on or right next to a visible pixel.
        const auto hot = pointer->CursorHotSpot();
        ASSERT_TRUE(hot);
        ASSERT_TRUE(hot->x >= 0 && hot->x < 32 && hot->y >= 0 && hot->y < 32);
        bool near_visible = false;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = hot->x + dx;
                const int y = hot->y + dy;
                if (x >= 0 && y >= 0 && x < 32 && y < 32 &&
                    Alpha(pixels[static_cast<std::size_t>(y) * 32 + x]) > 0x80) {
                    near_visible = true;
                }
            }
        }
        EXPECT_TRUE(near_visible);
        EXPECT_TRUE(pointer->SourceName().empty());
    }
    EXPECT_EQ(looks.size(), 15u);
}

TEST(BuiltInPictures, ArrowsPointWithTheirTips) {
    BuiltInPictures builtins;
    const auto hot = [&builtins](PointerRole role) {
        return *builtins.Defaults(role)->CursorHotSpot();
    };
    EXPECT_LT(hot(PointerRole::kUp).y, 6);
    EXPECT_GT(hot(PointerRole::kDown).y, 25);
    EXPECT_LT(hot(PointerRole::kLeft).x, 6);
    EXPECT_GT(hot(PointerRole::kRight).x, 25);
    EXPECT_TRUE(hot(PointerRole::kUpLeft).x < 10 && hot(PointerRole::kUpLeft).y < 10);
    EXPECT_TRUE(hot(PointerRole::kDownRight).x > 21 && hot(PointerRole::kDownRight).y > 21);
    EXPECT_TRUE(hot(PointerRole::kNormal).x < 3 && hot(PointerRole::kNormal).y < 3);
}

TEST(BuiltInPictures, EachPictureIsMadeOnceAndDrawnTheSameEveryTime) {
    BuiltInPictures builtins;
    BuiltInPictures again;
    for (int n = 1; n <= BuiltInPictures::kPointerCount; ++n) {
        EXPECT_EQ(builtins.Defaults(n), builtins.Defaults(n));
        EXPECT_NE(builtins.Defaults(n), again.Defaults(n));
        EXPECT_EQ(FramePixels(*builtins.Defaults(n), 0), FramePixels(*again.Defaults(n), 0));
    }
    for (BuiltIn which : {BuiltIn::kFileNotFound, BuiltIn::kUnknownObject, BuiltIn::kNoPicture}) {
        const PicturePtr picture = builtins.BuiltInPicture(which);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture, builtins.BuiltInPicture(which));
        EXPECT_EQ(picture->Width(), BuiltInPictures::kPlaceholderSize);
        EXPECT_FALSE(picture->CursorHotSpot());
        EXPECT_EQ(FramePixels(*picture, 0), FramePixels(*again.BuiltInPicture(which), 0));
    }
    EXPECT_NE(FramePixels(*builtins.BuiltInPicture(BuiltIn::kFileNotFound), 0),
              FramePixels(*builtins.BuiltInPicture(BuiltIn::kNoPicture), 0));
}

TEST(BuiltInPictures, PointerNumbersOutsideOneToFifteenAreSubscriptErrors) {
    BuiltInPictures builtins;
    for (int n : {0, 16, -1}) {
        EXPECT_EQ(testing::ErrorNumberOf([&] { builtins.Defaults(n); }), 9) << n;
        EXPECT_THROW(BuiltInPictures::PointerCaption(n), RuntimeError);
    }
    EXPECT_EQ(BuiltInPictures::PointerCaption(1), "UP");
    EXPECT_EQ(BuiltInPictures::PointerCaption(14), "WAIT");
    EXPECT_EQ(BuiltInPictures::PointerCaption(15), "BUTTONS");
}

}  // namespace
}  // namespace morvane
