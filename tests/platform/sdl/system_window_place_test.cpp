#include "platform/sdl/system_window_place.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace morvane::sdl {
namespace {

// A 1920 x 1080 screen with a 24-pixel panel at its top; the 800 x 600 game window centred.
constexpr Rect kUsable{0, 24, 1920, 1056};
constexpr Rect kCentredGame{560, 252, 800, 600};

struct PlaceCase {
    const char* what;
    Rect game;
    std::vector<Rect> taken;
    int width;
    int height;
    Point expected;
};

PlaceCase Place(const char* what, Rect game, std::vector<Rect> taken, int width, int height,
                Point expected) {
    return {what, game, std::move(taken), width, height, expected};
}

// Test listings name a case by what it places.
void PrintTo(const PlaceCase& c, std::ostream* out) {
    *out << c.what;
}

class PlaceBesideTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceBesideTest, OpensBesideTheGameWhereTheScreenAllows) {
    const PlaceCase& c = GetParam();
    const Rect place = PlaceBeside(c.game, kUsable, c.taken, c.width, c.height, 0);
    EXPECT_EQ((Point{place.left, place.top}), c.expected) << c.what;
    EXPECT_EQ(place.width, c.width);
    EXPECT_EQ(place.height, c.height);
}

constexpr int kRight = 560 + 800 + kBesideGap;

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceBesideTest,
    ::testing::Values(Place("right of the game, level with its top", kCentredGame, {}, 520, 400,
                            {kRight, 252}),
                      Place("below the window already there", kCentredGame,
                            {{kRight, 252, 520, 100}}, 520, 400, {kRight, 252 + 100 + kBesideGap}),
                      Place("at the top of the screen when below does not fit", kCentredGame,
                            {{kRight, 600, 520, 300}}, 520, 400, {kRight, 24}),
                      Place("left of the game when the right column is full", kCentredGame,
                            {{kRight, 252, 520, 600}}, 420, 456, {560 - kBesideGap - 420, 252}),
                      Place("left of a game pushed to the right edge", {1100, 100, 800, 600}, {},
                            300, 200, {1100 - kBesideGap - 300, 100}),
                      Place("raised to the screen when the game sits low", {560, 700, 800, 300}, {},
                            400, 500, {kRight, 24})));

TEST(PlaceBesideCascadeTest, WithNoRoomBesideTheGameWindowsCascadeOverItOnTheScreen) {
    // The game fills the screen: nothing fits beside it.
    const Rect full{0, 24, 1920, 1056};
    const Rect first = PlaceBeside(full, kUsable, {}, 520, 400, 0);
    const Rect second = PlaceBeside(full, kUsable, {first}, 420, 456, 1);
    EXPECT_EQ((Point{first.left, first.top}), (Point{kCascadeStep, 24 + kCascadeStep}));
    EXPECT_EQ((Point{second.left, second.top}), (Point{2 * kCascadeStep, 24 + 2 * kCascadeStep}));

    // Far down the cascade the window is still wholly on the screen.
    const Rect far = PlaceBeside(full, kUsable, {}, 520, 400, 100);
    EXPECT_EQ(far.left + far.width, 1920);
    EXPECT_EQ(far.top + far.height, 24 + 1056);
}

TEST(PlaceBesideCascadeTest, AWindowLargerThanTheScreenKeepsItsTopLeftOnIt) {
    const Rect small_screen{0, 0, 800, 600};
    const Rect place = PlaceBeside({0, 0, 800, 600}, small_screen, {}, 1000, 700, 0);
    EXPECT_EQ((Point{place.left, place.top}), (Point{0, 0}));
}

}  // namespace
}  // namespace morvane::sdl
