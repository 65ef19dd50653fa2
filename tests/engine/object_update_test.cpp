#include "engine/object_update.h"

#include "engine_fixture.h"

namespace morvane {
namespace {

class ObjectUpdateTest : public testing::EngineTest {};

TEST_F(ObjectUpdateTest, PlacesStartsAndSoundsEachVisibleKindByItsFields) {
    SceneGame(
        {{1, R"("kind":1,"pos1":10,"pos2":20,"s3":"link.gif","s4":"link.wav","p13":3,"p25":1)"},
         {2, R"("kind":2,"s3":"goodie.gif","s4":"goodie.wav","p12":3,"p23":1)"},
         {3, R"("kind":4,"s3":"reactor.gif","s5":"reactor.wav","p12":5,"p16":1)"},
         {4, R"("kind":12,"s3":"odd.gif")"},
         {5, R"("kind":0,"s3":"missing.gif","p16":2,"p17":5,"p18":0,"p19":1,"p12":2)"},
         {6, R"("kind":3,"s3":"switch.gif","p12":7,"p24":1)"}});
    Pictures({"link.gif", "goodie.gif", "reactor.gif", "switch.gif"});
    Media({"link.wav", "goodie.wav", "reactor.wav"});
    state.Flags(7) = 1;
    LoadScene(ctx, 1);

    const auto& link = view.Animation(1);
    EXPECT_TRUE(link.visible);
    EXPECT_EQ(link.left, 10);
    EXPECT_EQ(link.top, 20);
    EXPECT_FALSE(link.playing);
    EXPECT_EQ(sound.Playing(1), "link.wav");

    EXPECT_TRUE(view.Animation(2).visible);
    EXPECT_FALSE(view.Animation(2).playing);
    EXPECT_EQ(sound.Playing(2), std::nullopt);

    EXPECT_FALSE(view.Animation(3).playing);
    EXPECT_EQ(sound.Playing(3), "reactor.wav");

    EXPECT_EQ(view.Animation(4).picture, "<UnknownObject>");
    EXPECT_FALSE(view.Animation(4).visible);

    EXPECT_EQ(view.Animation(5).picture, "<FNF>");
    EXPECT_FALSE(view.Animation(5).visible);
    SetFlag(ctx, 5, 1, 0);
    EXPECT_TRUE(view.Animation(5).visible);
    EXPECT_EQ(view.Animation(5).mode, 2);

    EXPECT_EQ(view.Animation(6).mode, 1);
    EXPECT_EQ(view.Animation(6).frame, 3);
}

TEST_F(ObjectUpdateTest, RuleKindsLeftOutOfTheClosingPassAreRestoredAfterIt) {
    SceneGame({{1, R"("kind":5,"p12":1,"p13":5,"p14":0,"p15":1,"p16":1)"},
               {2, R"("kind":6,"p12":1,"p13":5,"p14":0,"p15":1,"p16":1)"},
               {3, R"("kind":9,"p12":1)"}});
    LoadScene(ctx, 1);
    EXPECT_EQ(state.Objects(1).Kind, 5);
    EXPECT_EQ(state.Objects(2).Kind, 6);
    EXPECT_EQ(state.Objects(3).Kind, 9);
    EXPECT_FALSE(Logged("Delay 2 started."));
}

TEST_F(ObjectUpdateTest, APictureThatNeverReportsItsLoadDoesNotStopTheGame) {
    SceneGame({{1, R"("kind":0,"s3":"a.gif","p16":1)"}});
    Pictures({"a.gif"});
    view.Animation(1).reports_load = false;
    LoadScene(ctx, 1);
    EXPECT_EQ(log.back(), "Scene 1 loaded.");
    EXPECT_TRUE(view.Animation(1).visible);
    EXPECT_TRUE(view.Animation(1).playing);
}

}  // namespace
}  // namespace morvane
