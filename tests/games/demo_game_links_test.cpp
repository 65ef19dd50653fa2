// The demo game's data makes a playable story: arrows join scenes both ways, objects and arrows
// lie inside the scene view, play starts with something in hand, and the score can be full.
#include <algorithm>
#include <string>

#include "games/demo_game_fixture.h"

namespace morvane::testing {
namespace {

constexpr int kViewWidth = 700;
constexpr int kViewHeight = 475;

class DemoGameLinksTest : public DemoGameTest {
  protected:
    int Scenes() const { return static_cast<int>(Game().Scenes.size()); }

    // Calls `check(scene number, slot, object)` for every object slot of every scene.
    template <typename Check>
    void ForEachObject(Check check) const {
        for (int scene = 1; scene <= Scenes(); ++scene) {
            for (int slot = 1; slot <= kObjectSlots; ++slot) {
                check(scene, slot,
                      Game().Scenes[static_cast<std::size_t>(scene - 1)].Objects(slot));
            }
        }
    }
};

std::string Where(int scene, int slot) {
    return "scene " + std::to_string(scene) + " object " + std::to_string(slot);
}

TEST_F(DemoGameLinksTest, ArrowsLieInTheView) {
    int arrows = 0;
    for (int scene = 1; scene <= Scenes(); ++scene) {
        const auto& header = Game().Scenes[static_cast<std::size_t>(scene - 1)].Header;
        for (const ArrowValues& arrow : header.Arrows) {
            if (arrow[1] == 0) {
                continue;
            }
            ++arrows;
            const std::string where = "an arrow of scene " + std::to_string(scene);
            EXPECT_NE(arrow[1], scene) << where << " leads back to its own scene";
            const int top = arrow[2];
            const int left = arrow[3];
            EXPECT_TRUE(top >= 0 && left >= 0 && arrow[4] > 0 && arrow[5] > 0 &&
                        left + arrow[4] <= kViewWidth && top + arrow[5] <= kViewHeight)
                << where << " lies outside the scene view";
        }
    }
    EXPECT_GE(arrows, 4) << "three or more scenes are joined by arrows both ways";
}

// That every scene, item, cue card and map location the data names exists is the checker's
// work: the demo_check test runs it on this game. What follows is what it cannot know.
TEST_F(DemoGameLinksTest, PlayStartsWithAnItemAndAPlaceOnTheMap) {
    EXPECT_TRUE(std::any_of(Game().Items.begin(), Game().Items.end(),
                            [](const InventoryRecord& i) { return i.CarriedAtStart == 1; }));
    EXPECT_TRUE(std::any_of(Game().Locations.begin(), Game().Locations.end(),
                            [](const LocationRecord& l) { return l.Available == 1; }));
}

TEST_F(DemoGameLinksTest, ObjectPicturesLieInsideTheSceneView) {
    ForEachObject([&](int scene, int slot, const ObjectBlock& o) {
        const std::string name = o.S(3).Trimmed();
        if (o.Kind < 0 || o.Kind > 4 || name.empty()) {
            return;
        }
        const PictureResult picture = Gfx(name);
        ASSERT_TRUE(picture) << Where(scene, slot) << ": " << picture.detail;
        EXPECT_GE(o.Pos1, 0) << Where(scene, slot);
        EXPECT_GE(o.Pos2, 0) << Where(scene, slot);
        EXPECT_LE(o.Pos1 + picture.picture->Width(), kViewWidth) << Where(scene, slot);
        EXPECT_LE(o.Pos2 + picture.picture->Height(), kViewHeight) << Where(scene, slot);
    });
}

TEST_F(DemoGameLinksTest, InventoryIconsFitTheirSlot) {
    for (const InventoryRecord& record : Game().Items) {
        const PictureResult picture = Gfx(record.Icon.Trimmed());
        ASSERT_TRUE(picture) << record.Spare1.Trimmed() << ": " << picture.detail;
        EXPECT_LE(picture.picture->Width(), 40) << record.Spare1.Trimmed();
        EXPECT_LE(picture.picture->Height(), 40) << record.Spare1.Trimmed();
    }
}

// Every point is an addition of 1 to the score flag by something that can happen once in a
// game; together they must fill the score display.
TEST_F(DemoGameLinksTest, ScoreActionsAddUpToTheMaximum) {
    const int flag = Game().General->ScoreFlag;
    int points = 0;
    auto count = [&](Integer number, Integer value, Integer mode) {
        if (number == flag) {
            EXPECT_EQ(mode, 1) << "score is only ever added to";
            points += value;
        }
    };
    ForEachObject([&](int, int, const ObjectBlock& o) {
        if (o.Kind == 1 && o.P(29) == 1) {
            count(o.P(30), o.P(31), o.P(32));
        }
        if (o.Kind == 2 && o.P(27) == 1) {
            count(o.P(28), o.P(29), o.P(30));
        }
        if (o.Kind == 4 && o.P(20) == 1) {
            count(o.P(21), o.P(22), o.P(23));
        }
        if (o.Kind == 5 && o.P(24) == 1) {
            count(o.P(25), o.P(26), o.P(27));
        }
    });
    for (const InventoryRecord& record : Game().Items) {
        if (record.ChangesFlag == 1) {
            count(record.Flag, record.FlagValue, record.FlagMode);
        }
    }
    EXPECT_GT(flag, 0);
    EXPECT_EQ(points, Game().General->MaxScore);
}

}  // namespace
}  // namespace morvane::testing
