#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/flag_operations.h"
#include "interaction/map_window.h"
#include "interaction/navigation.h"
#include "interaction_fixture.h"

namespace morvane::testing {
namespace {

// Scene 1's arrow groups A, B, C, D lead to scenes 2, 3, 4, 5 with pointers 1 to 4; scene 2's
// arrows lead nowhere. Object 1 of scene 1 opens the map.
class NavigationTest : public InteractionTest {
  protected:
    NavigationTest() {
        SceneRecord one;
        for (int group = 0; group < 4; ++group) {
            one.Header.Arrows[static_cast<std::size_t>(group)] = {
                static_cast<Integer>(group + 1), static_cast<Integer>(group + 2), 10, 10, 40, 40};
        }
        one.Objects(1) = Visible(1, {{23, 2}});
        game_.Scenes = {one, SceneRecord{}, SceneRecord{}, SceneRecord{}, SceneRecord{}};

        LocationRecord nowhere;
        nowhere.Picture = Name("(None)");
        nowhere.Available = 1;
        nowhere.Left = 30;
        nowhere.Top = 40;
        LocationRecord sound = nowhere;
        sound.Scene = 2;
        sound.PlaysFile = 1;
        sound.File = Name("bell.wav");
        LocationRecord movie = nowhere;
        movie.Scene = 3;
        movie.PlaysFile = 1;
        movie.File = Name("tour.avi");
        movie.Volume = 40;
        LocationRecord later = sound;
        later.Available = 0;
        game_.Locations = {nowhere, sound, movie, later};
    }

    void SetUp() override { Start(); }
};

TEST_F(NavigationTest, ArrowsFollowTheirGroupsWithTheBuiltInPointers) {
    struct Case {
        int arrow;
        const char* line;
        Integer scene;
        int pointer;
    };
    for (const Case& c :
         {Case{1, "log: Link (Up) clicked.\n", 2, 1}, Case{2, "log: Link (Right) clicked.\n", 5, 4},
          Case{3, "log: Link (Down) clicked.\n", 3, 2},
          Case{4, "log: Link (Left) clicked.\n", 4, 3}}) {
        Enter(1);
        Output();
        Directionl_MouseMove(Ctx(), c.arrow);
        EXPECT_EQ(player_->GetDesktop().Pointer().Picture(),
                  Win().MousePoint.Defaults(c.pointer).Picture())
            << "arrow " << c.arrow;
        Directionl_Click(Ctx(), c.arrow);
        EXPECT_THAT(Output(), HasSubstr(c.line));
        EXPECT_EQ(State().CurrentScene, c.scene) << "arrow " << c.arrow;
    }
}

TEST_F(NavigationTest, ArrowWithoutTargetShowsTheNormalPointerAndIgnoresClicks) {
    Enter(2);
    Output();
    Directionl_MouseMove(Ctx(), 1);
    EXPECT_TRUE(PointerIs(13));
    Directionl_Click(Ctx(), 1);
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(State().CurrentScene, 2);
}

TEST_F(NavigationTest, MapIsSetUpFromTheLocationFile) {
    MapWindow& map = Win().MapWindow;
    EXPECT_TRUE(map.Loctn(1).Visible());
    EXPECT_FALSE(map.Loctn(4).Visible());
    EXPECT_EQ(map.Loctn(1).Left(), 30);
    EXPECT_EQ(map.Loctn(1).Top(), 40);
}

TEST_F(NavigationTest, MapLocationsWithoutSceneWithASoundAndWithAMovie) {
    EXPECT_THAT(Click(1), HasSubstr("log: HotSpot (Object #1) clicked.\nlog: Map activated.\n"));
    EXPECT_TRUE(State().MapOpen);
    EXPECT_TRUE(Win().MapWindow.Visible());
    EXPECT_TRUE(Win().Main.Block.Visible());

    Loctn_Click(Ctx(), 1);
    EXPECT_EQ(Output(), "log: Map Location #1 clicked (NO SCENE LINKED).\n");
    EXPECT_TRUE(State().MapOpen) << "the map stays open";

    Loctn_MouseMove(Ctx(), 2);
    EXPECT_TRUE(PointerIs(10));
    Loctn_Click(Ctx(), 2);
    EXPECT_THAT(Output(), HasSubstr("log: Map Location #2 clicked (Scene #2).\n"));
    EXPECT_EQ(PlayingOn(20), "bell.wav");
    EXPECT_FALSE(State().MapOpen);
    EXPECT_FALSE(Win().MapWindow.Visible());
    EXPECT_EQ(State().CurrentScene, 2);

    Enter(1);
    Click(1);
    Loctn_Click(Ctx(), 3);
    const std::string out = Output();
    EXPECT_THAT(out, HasSubstr("log: Map Location #3 clicked (Scene #3).\n"));
    EXPECT_THAT(out, HasSubstr("movie tour.avi vol=40\n")) << "the new scene's entry movie";
    EXPECT_TRUE(State().PendingMovie.empty());
    EXPECT_EQ(State().CurrentScene, 3);
}

TEST_F(NavigationTest, CloseButtonLeavesTheMapAndUncoversTheScene) {
    Click(1);
    ButtnCancel_Click(Ctx());
    EXPECT_EQ(Output(), "log: Map cancelled.\n");
    EXPECT_FALSE(State().MapOpen);
    EXPECT_FALSE(Win().MapWindow.Visible());
    EXPECT_FALSE(Win().Main.Block.Visible());
    EXPECT_EQ(State().CurrentScene, 1);
}

TEST_F(NavigationTest, NewGameGetsTheStartLocationsBackAndOnlyThose) {
    AddMapLocation(player_->Engine(), 4);
    State().Locations(1).Available = 0;
    Win().MapWindow.Loctn(1).SetVisible(false);
    RestoreStartLocations(Ctx());
    EXPECT_EQ(State().Locations(1).Available, 1);
    EXPECT_TRUE(Win().MapWindow.Loctn(1).Visible());
    EXPECT_EQ(State().Locations(4).Available, 0);
    EXPECT_FALSE(Win().MapWindow.Loctn(4).Visible());
}

TEST_F(NavigationTest, LocationAboveTwentyIsLeftOutWithOneLine) {
    AddMapLocation(player_->Engine(), 21);
    EXPECT_EQ(Output(), "log: Location #21 not added to Map - the map holds locations 1 to 20.\n");
}

}  // namespace
}  // namespace morvane::testing
