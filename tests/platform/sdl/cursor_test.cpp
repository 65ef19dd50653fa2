#include "platform/sdl/cursor_cache.h"

#include <gtest/gtest.h>

#include "sdl_fixture.h"

namespace morvane {
namespace {

class CursorTest : public testing::SdlTest {
  protected:
    CursorTest() {
        main_.Animation.SetMousePointer(ScreenPointer::kCustom);
        main_.Animation.SetMouseIcon(hand_);
    }

    PicturePtr hand_ = std::make_shared<const sdl::MemoryPicture>(
        16, 16, std::vector<std::vector<uint32_t>>{std::vector<uint32_t>(256, 0xFFFFFFFFu)},
        std::vector<int>{}, HotSpot{3, 2});
};

TEST_F(CursorTest, TheCursorChangesOnlyWhenThePointerToShowChanges) {
    sdl::CursorCache cursors;
    // Headless SDL cannot make colour cursors; the pointer is still followed without failing.
    EXPECT_TRUE(cursors.Show({ScreenPointer::kCustom, hand_}, 1));
    EXPECT_FALSE(cursors.Show({ScreenPointer::kCustom, hand_}, 1));
    EXPECT_TRUE(cursors.Show({ScreenPointer::kCustom, hand_}, 2));
    EXPECT_TRUE(cursors.Show({ScreenPointer::kHourglass, nullptr}, 2));
    EXPECT_FALSE(cursors.Show({ScreenPointer::kHourglass, nullptr}, 1));
    const PicturePtr other = testing::SolidPicture(8, 8, 0xFF000000u);
    EXPECT_TRUE(cursors.Show({ScreenPointer::kCustom, other}, 1));
}

TEST_F(CursorTest, TheWindowFollowsTheControlUnderThePointerAndTheScreenPointer) {
    runtime_.desktop.PostMouseMove(CentreOf(main_.Animation));
    runtime_.loop.PumpEvents();
    EXPECT_EQ(runtime_.desktop.PointerToShow().picture, hand_);
    runtime_.window.Refresh();
    // Moving within the object asks for no new cursor; the screen pointer overrides it.
    EXPECT_FALSE(runtime_.window.Cursors().Show(runtime_.desktop.PointerToShow(), 1));
    runtime_.desktop.Pointer().SetMode(ScreenPointer::kHourglass);
    EXPECT_TRUE(runtime_.window.Cursors().Show(runtime_.desktop.PointerToShow(), 1));
}

}  // namespace
}  // namespace morvane
