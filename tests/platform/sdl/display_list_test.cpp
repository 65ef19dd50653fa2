#include "platform/sdl/display_list.h"

#include <gtest/gtest.h>

#include "sdl_fixture.h"

namespace morvane::sdl {
namespace {

constexpr Rect kCanvas{0, 0, 800, 600};
constexpr SDL_Color kGrey{192, 192, 192, 255};

// Two frames of the same scene: a background, two objects and a caption.
struct Frame {
    Frame(int object_frame, Point second_at) {
        list.SetClip(kCanvas);
        list.Picture(scene, 0, {48, 56, 700, 475});
        list.SetClip({48, 56, 700, 475});
        list.Picture(spinner, object_frame, {100, 100, 48, 48});
        list.Picture(spinner, 0, {second_at.x, second_at.y, 48, 48});
        list.Text("Score", kGrey, {48, 20, 40, 14});
    }
    static inline PicturePtr scene = testing::SolidPicture(700, 475, testing::kSceneBlue);
    static inline PicturePtr spinner = testing::FramesPicture(48, 48, {1, 2, 3});
    DisplayList list;
};

TEST(DisplayListTest, OnlyWhatChangedIsDamaged) {
    const Frame first(0, {400, 300});
    EXPECT_TRUE(Damage(first.list, Frame(0, {400, 300}).list, kCanvas).empty());

    // An object moving on to its next frame damages its own rectangle.
    EXPECT_EQ(Damage(first.list, Frame(1, {400, 300}).list, kCanvas),
              std::vector<Rect>{(Rect{100, 100, 48, 48})});

    // A moved object damages where it was and where it is; overlapping damage is merged.
    const auto moved = Damage(first.list, Frame(0, {600, 300}).list, kCanvas);
    EXPECT_EQ(moved, (std::vector<Rect>{{400, 300, 48, 48}, {600, 300, 48, 48}}));
    const auto nudged = Damage(first.list, Frame(0, {410, 300}).list, kCanvas);
    EXPECT_EQ(nudged, std::vector<Rect>{(Rect{400, 300, 58, 48})});

    // Damage stays inside the clip the step was drawn with.
    const auto clipped = Damage(first.list, Frame(0, {730, 500}).list, kCanvas);
    EXPECT_EQ(clipped.back(), (Rect{730, 500, 18, 31}));
}

TEST(DisplayListTest, AFrameOfAnotherShapeIsDrawnWhole) {
    Frame first(0, {400, 300});
    Frame second(0, {400, 300});
    second.list.Fill({0, 0, 10, 10}, kGrey);
    EXPECT_EQ(Damage(first.list, second.list, kCanvas), std::vector<Rect>{kCanvas});
}

}  // namespace
}  // namespace morvane::sdl
