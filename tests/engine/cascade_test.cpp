#include "engine/cascade.h"

#include "engine_fixture.h"

namespace morvane {
namespace {

class CascadeTest : public testing::EngineTest {
  protected:
    std::string Abandoned(const std::string& procedure, int scene) const {
        return TrapMessage(procedure,
                           RuntimeError(28, "Out of stack space (rule cascade in scene " +
                                                std::to_string(scene) + " abandoned after " +
                                                std::to_string(kCascadeBound) + " nested calls)"));
    }
};

TEST_F(CascadeTest, RulesThatKeepChangingFlagsAreAbandonedOnceAndPlayGoesOn) {
    SceneGame({{1, R"("kind":7,"p12":0,"p13":5,"p14":3,"p15":0,"p16":1,"p17":6,"p18":1,"p19":1)"},
               {2, R"("kind":7,"p12":0,"p13":6,"p14":3,"p15":0,"p16":1,"p17":5,"p18":1,"p19":1)"}});
    LoadScene(ctx, 1);
    SetFlag(ctx, 5, 1, 0);
    EXPECT_EQ(boxes.texts, testing::Lines{Abandoned("SetFlag", 1)});
    EXPECT_EQ(ctx.CascadeDepth, 0);

    SetFlag(ctx, 5, -9, 0);
    SetFlag(ctx, 6, -9, 0);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(state.Flags(6), -9);
}

TEST_F(CascadeTest, AnAmbientThatSetsAFlagOnEveryUpdateEndsTheLoadWithOneMessage) {
    SceneGame({{1, R"("kind":0,"p16":1,"p20":1,"p21":5,"p22":1,"p23":1)"}},
              R"(,{"header":{"10":"e2.wav"}}]})");
    Media({"e2.wav"});
    LoadScene(ctx, 1);
    EXPECT_EQ(boxes.texts, testing::Lines{Abandoned("LoadScene", 1)});
    EXPECT_FALSE(state.SceneLoading);
    loop.PassTime(200);
    EXPECT_FALSE(view.block);

    LoadScene(ctx, 2);
    EXPECT_EQ(log.back(), "Scene 2 loaded.");
    EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST_F(CascadeTest, ScenesThatJumpToEachOtherAreStopped) {
    Game(R"({"scenes":[{"header":{"2":1,"6":2}},{"header":{"2":1,"6":1}},{}]})");
    LoadScene(ctx, 1);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_TRUE(
        boxes.texts[0].starts_with("Unexpected error in procedure: LoadScene\r\nError #28: "));
    EXPECT_FALSE(state.SceneLoading);
    LoadScene(ctx, 3);
    EXPECT_EQ(log.back(), "Scene 3 loaded.");
}

}  // namespace
}  // namespace morvane
