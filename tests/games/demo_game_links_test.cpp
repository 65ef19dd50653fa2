// The numbers in the demo game's data lead somewhere: scenes, items, cue cards and map
// locations exist, objects and arrows lie inside the scene view, and the score can be full.
#include <algorithm>
#include <string>

#include "games/demo_game_fixture.h"
#include "platform/picture_loader.h"

namespace morvane::testing {
namespace {

constexpr int kViewWidth = 700;
constexpr int kViewHeight = 475;

class DemoGameLinksTest : public DemoGameTest {
  protected:
    int Scenes() const { return static_cast<int>(Game().Scenes.size()); }
    int Items() const { return static_cast<int>(Game().Items.size()); }
    int Cards() const { return static_cast<int>(Game().Conversations.size()); }
    int Locations() const { return std::min(20, static_cast<int>(Game().Locations.size())); }

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

TEST_F(DemoGameLinksTest, ArrowsLeadToScenesAndLieInTheView) {
    int arrows = 0;
    for (int scene = 1; scene <= Scenes(); ++scene) {
        const auto& header = Game().Scenes[static_cast<std::size_t>(scene - 1)].Header;
        for (const ArrowValues& arrow : header.Arrows) {
            if (arrow[1] == 0) {
                continue;
            }
            ++arrows;
            const std::string where = "an arrow of scene " + std::to_string(scene);
            EXPECT_GE(arrow[1], 1) << where;
            EXPECT_LE(arrow[1], Scenes()) << where;
            EXPECT_NE(arrow[1], scene) << where << " leads back to its own scene";
            EXPECT_GE(arrow[0], 1) << where;
            EXPECT_LE(arrow[0], 15) << where;
            const int top = arrow[2];
            const int left = arrow[3];
            EXPECT_TRUE(top >= 0 && left >= 0 && arrow[4] > 0 && arrow[5] > 0 &&
                        left + arrow[4] <= kViewWidth && top + arrow[5] <= kViewHeight)
                << where << " lies outside the scene view";
        }
    }
    EXPECT_GE(arrows, 4) << "three or more scenes are joined by arrows both ways";
}

TEST_F(DemoGameLinksTest, ScenesNamedByObjectsAndMapExist) {
    auto in_range = [&](int scene) { return scene >= 0 && scene <= Scenes(); };
    ForEachObject([&](int scene, int slot, const ObjectBlock& o) {
        if (o.Kind == 1) {
            EXPECT_TRUE(in_range(o.P(24))) << Where(scene, slot);
        }
        if (o.Kind == 5 && o.P(22) == 1) {
            EXPECT_TRUE(in_range(o.P(23))) << Where(scene, slot);
        }
        if (o.Kind == 7) {
            for (int base : {13, 21, 29}) {
                EXPECT_TRUE(in_range(o.P(base + 7))) << Where(scene, slot);
            }
        }
    });
    for (const LocationRecord& location : Game().Locations) {
        EXPECT_TRUE(in_range(location.Scene)) << location.Spare1.Trimmed();
    }
    EXPECT_GE(Game().General->MenuScene, 1);
    EXPECT_LE(Game().General->MenuScene, Scenes());
}

TEST_F(DemoGameLinksTest, ItemsAndCueCardsNamedExist) {
    auto item = [&](int number) { return number >= 1 && number <= Items(); };
    ForEachObject([&](int scene, int slot, const ObjectBlock& o) {
        const std::string where = Where(scene, slot);
        switch (o.Kind) {
            case 1:
                EXPECT_TRUE(o.P(18) != 1 || item(o.P(19))) << where;
                break;
            case 2:
                EXPECT_TRUE(item(o.P(17))) << where;
                EXPECT_TRUE(o.P(18) != 1 || item(o.P(19))) << where;
                break;
            case 3:
                EXPECT_TRUE(o.P(19) != 1 || item(o.P(20))) << where;
                break;
            case 5:
                EXPECT_TRUE(o.P(30) != 1 || item(o.P(31))) << where;
                break;
            case 8:
                EXPECT_GE(o.P(12), 1) << where;
                EXPECT_LE(o.P(12), Cards()) << where;
                break;
            default:
                break;
        }
    });
    int start_items = 0;
    for (const InventoryRecord& record : Game().Items) {
        const std::string name = record.Spare1.Trimmed();
        start_items += record.CarriedAtStart == 1 ? 1 : 0;
        if (record.Combinable == 1) {
            EXPECT_TRUE(item(record.Partner)) << name;
            EXPECT_TRUE(item(record.Result)) << name;
        }
        if (record.Transforms == 1) {
            EXPECT_TRUE(item(record.TransformsInto)) << name;
        }
    }
    EXPECT_GE(start_items, 1);
}

TEST_F(DemoGameLinksTest, MapLocationsAddedExistAndOneIsThereFromTheStart) {
    auto location = [&](int number) { return number >= 1 && number <= Locations(); };
    ForEachObject([&](int scene, int slot, const ObjectBlock& o) {
        if ((o.Kind == 0 || o.Kind == 4) && o.P(24) == 1) {
            EXPECT_TRUE(location(o.P(25))) << Where(scene, slot);
        }
        if (o.Kind == 5 && o.P(28) == 1) {
            EXPECT_TRUE(location(o.P(29))) << Where(scene, slot);
        }
    });
    for (const InventoryRecord& record : Game().Items) {
        if (record.AddsMapLocation == 1) {
            EXPECT_TRUE(location(record.MapLocation)) << record.Spare1.Trimmed();
        }
    }
    EXPECT_TRUE(std::any_of(Game().Locations.begin(), Game().Locations.end(),
                            [](const LocationRecord& l) { return l.Available == 1; }));
}

TEST_F(DemoGameLinksTest, ObjectPicturesLieInsideTheSceneView) {
    ForEachObject([&](int scene, int slot, const ObjectBlock& o) {
        const std::string name = o.S(3).Trimmed();
        if (o.Kind < 0 || o.Kind > 4 || name.empty()) {
            return;
        }
        const auto file = Paths().Resolve("resource\\gfx\\" + name);
        ASSERT_TRUE(file.has_value()) << Where(scene, slot) << ": " << name;
        const PictureResult picture = LoadPicture(*file, nullptr);
        ASSERT_TRUE(picture) << name;
        EXPECT_GE(o.Pos1, 0) << Where(scene, slot);
        EXPECT_GE(o.Pos2, 0) << Where(scene, slot);
        EXPECT_LE(o.Pos1 + picture.picture->Width(), kViewWidth) << Where(scene, slot);
        EXPECT_LE(o.Pos2 + picture.picture->Height(), kViewHeight) << Where(scene, slot);
    });
}

TEST_F(DemoGameLinksTest, InventoryIconsFitTheirSlot) {
    for (const InventoryRecord& record : Game().Items) {
        const auto file = Paths().Resolve("resource\\gfx\\" + record.Icon.Trimmed());
        ASSERT_TRUE(file.has_value()) << record.Spare1.Trimmed();
        const PictureResult picture = LoadPicture(*file, nullptr);
        ASSERT_TRUE(picture);
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
