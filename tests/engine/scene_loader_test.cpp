#include "engine/scene_loader.h"

#include "engine/sound_operations.h"
#include "engine_fixture.h"

namespace morvane {
namespace {

using testing::Slots;

class SceneLoaderTest : public testing::EngineTest {};

TEST_F(SceneLoaderTest, EndsTheSceneLeftBeforeReadingTheNextAndStartsTheNewOneAfterItsObjects) {
    Game(R"({"scenes":[{},{},
      {"header":{"13":"x3.wav","21":"x3.avi","7":"b3.gif"}},
      {},
      {"header":{"7":"b5.gif","8":"t5.mid","19":"e5.avi","10":"e5.wav","16":"l5.wav"},
       "objects":)" +
         Slots({{1, R"("kind":0,"s3":"lamp.gif","p16":1)"}}) + "}]}");
    Media({"x3.wav", "x3.avi", "t5.mid", "e5.avi", "e5.wav", "l5.wav", "p14.wav", "o1.wav"});
    Pictures({"b3.gif", "b5.gif", "lamp.gif"});
    LoadScene(ctx, 3);
    PlayWAVMVX(ctx, "p14.wav", true, 14, 0, 0);
    PlayWAVMVX(ctx, "o1.wav", true, 1, 0, 0);
    trace.clear();

    LoadScene(ctx, 5);

    ExpectInOrder({"play 16 x3.wav", "movie x3.avi", "background b5.gif", "load picture 1 lamp.gif",
                   "midi t5.mid", "movie e5.avi", "play 16 e5.wav", "play 17 l5.wav loop",
                   "log: Scene 5 loaded."});
    EXPECT_EQ(sound.Playing(14), "p14.wav");
    EXPECT_EQ(sound.Playing(1), std::nullopt);
    EXPECT_FALSE(state.SceneLoading);
    EXPECT_EQ(log.back(), "Scene 5 loaded.");
    EXPECT_TRUE(view.block);
    loop.PassTime(200);
    EXPECT_FALSE(view.block);
    EXPECT_EQ(view.pointer, kNormalPointer);
}

class JumpTest : public testing::EngineTest {
  protected:
    void JumpGame(int enabled, int jump_scene) {
        Game(R"({"scenes":[{"header":{"13":"x1.wav"}},{},{},
          {"header":{"2":)" +
             std::to_string(enabled) + R"(,"3":7,"4":2,"5":3,"6":)" + std::to_string(jump_scene) +
             R"(,"7":"b4.gif","10":"e4.wav","13":"x4.wav"}},
          {},{},{},{},
          {"header":{"10":"e9.wav"}}]})");
        Media({"x1.wav", "e4.wav", "x4.wav", "e9.wav"});
        Pictures({"b4.gif"});
        LoadScene(ctx, 1);
        trace.clear();
    }
};

TEST_F(JumpTest, AJumpWhoseConditionHoldsLoadsTheTargetInsteadWithoutTheScenesExitOrEntry) {
    JumpGame(1, 9);
    state.Flags(7) = 1;
    LoadScene(ctx, 4);
    EXPECT_EQ(state.CurrentScene, 9);
    EXPECT_GE(At("play 16 x1.wav"), 0);
    ExpectNotInTrace({"play 16 e4.wav", "background b4.gif", "play 16 x4.wav"});
    EXPECT_EQ(Count("play 16 e9.wav"), 1);
    EXPECT_FALSE(Logged("Scene 4 loaded."));
    EXPECT_EQ(log.back(), "Scene 9 loaded.");
}

TEST_F(JumpTest, NoJumpWhenTheConditionFailsOrJumpsAreNotEnabledExactly) {
    for (const auto& [enabled, flag] : {std::pair{1, 3}, std::pair{2, 1}}) {
        SCOPED_TRACE("jumps enabled " + std::to_string(enabled) + ", flag " + std::to_string(flag));
        JumpGame(enabled, 9);
        state.Flags(7) = static_cast<Integer>(flag);
        LoadScene(ctx, 4);
        EXPECT_EQ(state.CurrentScene, 4);
        EXPECT_GE(At("play 16 e4.wav"), 0);
        EXPECT_EQ(log.back(), "Scene 4 loaded.");
    }
}

TEST_F(JumpTest, AJumpToTheSceneItselfIsLoggedAndNotFollowed) {
    JumpGame(1, 4);
    state.Flags(7) = 1;
    LoadScene(ctx, 4);
    EXPECT_EQ(state.CurrentScene, 4);
    EXPECT_TRUE(
        Logged("CheckFlag ERROR - Scene #4 - Cannot set 'Jump To Scene' same as Current Scene"));
    EXPECT_EQ(log.back(), "Scene 4 loaded.");
}

TEST_F(SceneLoaderTest, ASceneReplacedByItsEntryFlagIsNotSetUpAgainByTheOuterLoad) {
    Game(R"({"scenes":[
      {"header":{"10":"e1.wav","23":1,"24":3,"25":1,"26":0},
       "objects":)" +
         Slots({{2, R"("kind":5,"p12":1,"p13":3,"p14":0,"p15":1,"p22":1,"p23":2)"}}) + R"(},
      {"header":{"10":"e2.wav","19":"e2.avi"}}]})");
    Media({"e1.wav", "e2.wav", "e2.avi"});
    LoadScene(ctx, 1);
    EXPECT_EQ(state.CurrentScene, 2);
    EXPECT_EQ(At("play 16 e1.wav"), -1);
    EXPECT_EQ(Count("play 16 e2.wav"), 1);
    EXPECT_EQ(Count("movie e2.avi"), 1);
    EXPECT_EQ(Count("log: Scene 2 loaded."), 1);
    EXPECT_FALSE(Logged("Scene 1 loaded."));
    EXPECT_TRUE(Logged("[Resp Index # 2] Switch to Scene 2"));
}

TEST_F(SceneLoaderTest, TheMenuSceneGivesTheHeldItemBackAndDisablesTheGameButtons) {
    Game(R"({"scenes":[{},{}]})");
    state.MenuScene = 2;
    state.ItemInHand = 3;
    LoadScene(ctx, 2);
    EXPECT_EQ(view.icons_shown, std::vector<int>{3});
    EXPECT_EQ(state.ItemInHand, kNoItemInHand);
    EXPECT_TRUE(view.buttons_disabled);
}

TEST_F(SceneLoaderTest, AFailedLoadReportsItselfAndStillReleasesTheScene) {
    Game(R"({"scenes":[{"header":{"7":"missing.gif","10":"e1.wav"}}]})");
    Media({"e1.wav"});
    LoadScene(ctx, 1);
    EXPECT_EQ(boxes.texts,
              testing::Lines{TrapMessage("LoadScene", RuntimeError(ErrorNumber::kFileNotFound))});
    EXPECT_EQ(At("play 16 e1.wav"), -1);
    EXPECT_FALSE(state.SceneLoading);
    loop.PassTime(200);
    EXPECT_FALSE(view.block);

    LoadScene(ctx, 0);
    EXPECT_EQ(boxes.texts.size(), 2u);
    EXPECT_FALSE(state.SceneLoading);
}

TEST_F(SceneLoaderTest, APendingMovieThatCannotStartCountsAsFinished) {
    Game(R"({"scenes":[{"header":{"10":"e1.wav"}}]})");
    Media({"e1.wav", "broken.avi"});
    state.PendingMovie = "broken.avi";
    LoadScene(ctx, 1);
    EXPECT_EQ(boxes.texts,
              testing::Lines{"Error playing AVI: 'broken.avi'\rErr #57 / Device I/O error"});
    EXPECT_TRUE(state.MovieFinished);
    EXPECT_TRUE(state.PendingMovie.empty());
    EXPECT_EQ(log.back(), "Scene 1 loaded.");
}

TEST_F(SceneLoaderTest, AMovieThatNeverEndsIsWaitedForOnlyWithinTheBound) {
    Game(R"({"scenes":[{"header":{"19":"long.avi","10":"e1.wav"}}]})");
    Media({"long.avi", "e1.wav"});
    view.movie.never_ends = true;
    LoadScene(ctx, 1);
    EXPECT_TRUE(state.MovieFinished);
    EXPECT_GE(At("play 16 e1.wav"), 0);
    EXPECT_EQ(log.back(), "Scene 1 loaded.");
}

TEST_F(SceneLoaderTest, PlacesTheArrowsFromTheirGroups) {
    Game(R"({"scenes":[{"arrows":{"A":[0,0,1,2,3,4],"B":[0,0,5,6,7,8],"C":[0,0,9,10,11,12],
                                  "D":[0,0,13,14,15,16]}}]})");
    LoadScene(ctx, 1);
    EXPECT_EQ(view.arrows[1], (std::array<Integer, 4>{1, 2, 3, 4}));
    EXPECT_EQ(view.arrows[3], (std::array<Integer, 4>{5, 6, 7, 8}));
    EXPECT_EQ(view.arrows[4], (std::array<Integer, 4>{9, 10, 11, 12}));
    EXPECT_EQ(view.arrows[2], (std::array<Integer, 4>{13, 14, 15, 16}));
}

class SceneCdCheckTest : public testing::EngineTest {
  protected:
    void CdGame() {
        Game(R"({"scenes":[{},
          {"header":{"7":"b2.gif","10":"e2.wav"},
           "objects":)" +
             Slots({{1, R"("kind":0,"s3":"lamp.gif","p16":1)"}}) + "}]}");
        Media({"e2.wav"});
        Pictures({"b2.gif", "lamp.gif"});
    }
};

TEST_F(SceneCdCheckTest, RunsFromCdOnlyAfterTheJumpTestAndBeforeTheBackground) {
    CdGame();
    LoadScene(ctx, 2);
    EXPECT_EQ(At("cd check 2"), -1) << "a game on a hard disk has no CD check";

    state.RunningFromCD = true;
    trace.clear();
    LoadScene(ctx, 2);
    EXPECT_GE(At("cd check 2"), 0);
    EXPECT_LT(At("cd check 2"), At("background b2.gif"));
}

TEST_F(SceneCdCheckTest, AGameEndedByTheCheckLoadsNothingMore) {
    CdGame();
    state.RunningFromCD = true;
    hooks.shut_down_at_cd_check = true;
    LoadScene(ctx, 2);
    EXPECT_GE(At("cd check 2"), 0);
    ExpectNotInTrace(
        {"background b2.gif", "load picture 1 lamp.gif", "play 16 e2.wav", "log: Scene 2 loaded."});
}

}  // namespace
}  // namespace morvane
