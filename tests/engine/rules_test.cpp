#include "engine/rules.h"

#include "engine/sound_operations.h"
#include "engine_fixture.h"

namespace morvane {
namespace {

class RulesTest : public testing::EngineTest {
  protected:
    // Scene 1 holds the given slots; scene 2 is empty.
    void Scene(std::initializer_list<std::pair<int, std::string>> slots) {
        SceneGame(slots, ",{}]}");
        LoadScene(ctx, 1);
        loop.PassTime(200);  // the block timer ends the load
        log.clear();
    }
};

TEST_F(RulesTest, AnActionsFlagChangeRunsACompleteNestedPassAndUpdateBeforeThePassGoesOn) {
    Scene({{3, R"("kind":5,"p12":1,"p13":5,"p14":0,"p15":1,"p24":1,"p25":6,"p26":1,"p27":0)"},
           {4, R"("kind":5,"p12":1,"p13":6,"p14":0,"p15":1)"}});
    const TimeMs before = clock.Now();
    SetFlag(ctx, 5, 1, 0);
    EXPECT_EQ(log, (testing::Lines{
                       "<Flag 5> Set to  1", "[Resp Index # 3] Flag 5= 1. Taking action...",
                       "<Flag 6> Set to  1", "[Resp Index # 4] Flag 6= 1. Taking action..."}));
    // Two object updates of 700 ms each: C after the nested pass B, D after pass A.
    EXPECT_EQ(clock.Now() - before, 1400);
}

TEST_F(RulesTest, LogLinesWriteNumbersTheClassicWay) {
    Scene({});
    SetFlag(ctx, 5, 1, 0);
    SetFlag(ctx, 5, -4, 1);
    SetFlag(ctx, 5, 3, 7);
    EXPECT_EQ(log, (testing::Lines{"<Flag 5> Set to  1", "<Flag 5> Add-4 (Value =-3)"}));
    EXPECT_EQ(state.Flags(5), -3);
}

TEST_F(RulesTest, AResponderOnChangeFiresOnlyWhenTheFlagChangesAndNeverRightAfterARestore) {
    state.Flags(5) = 1;
    Scene({{2, R"("kind":5,"p12":1,"p13":5,"p14":3,"p15":0,"p16":1)"}});
    SetFlag(ctx, 5, 1, 0);
    EXPECT_FALSE(Logged("[Resp Index # 2] Flag 5> 0. Taking action..."));
    state.JustRestored = true;
    SetFlag(ctx, 5, 2, 0);
    EXPECT_FALSE(Logged("[Resp Index # 2] Flag 5> 0. Taking action..."));
    EXPECT_FALSE(state.JustRestored);
    SetFlag(ctx, 5, 3, 0);
    EXPECT_TRUE(Logged("[Resp Index # 2] Flag 5> 0. Taking action..."));
}

TEST_F(RulesTest, AResponderWaitingForASoundSwallowsExactlyThatNameOnly) {
    Media({"Bell.wav", "bell.wav"});
    Scene({{2, R"("kind":5,"p12":2,"s3":"Bell.wav","p24":1,"p25":9,"p26":1,"p27":0)"}});
    PlayWav(ctx, "bell.wav", false, 3, 0, 0);
    EXPECT_EQ(sound.Playing(3), "bell.wav");
    EXPECT_EQ(state.Flags(9), 0);

    PlayWav(ctx, "Bell.wav", false, 4, 0, 0);
    EXPECT_EQ(sound.Playing(4), std::nullopt);
    EXPECT_TRUE(Logged("[Resp Index # 2] 'Bell.wav' played. Taking action..."));
    EXPECT_EQ(state.Flags(9), 1);

    PlayWav(ctx, "Bell.wav", false, 4, 0, 0);
    EXPECT_EQ(sound.Playing(4), std::nullopt);
}

TEST_F(RulesTest, AResponderPlaysItsOwnTriggerSoundWithoutTriggeringItself) {
    Media({"Bell.wav"});
    Scene({{2, R"("kind":5,"p12":1,"p13":5,"p14":0,"p15":1,"p19":1,"s5":"Bell.wav")"},
           {3, R"("kind":5,"p12":2,"s3":"Other.wav")"}});
    state.AwaitedWav(2) = "Bell.wav";
    SetFlag(ctx, 5, 1, 0);
    EXPECT_EQ(sound.Playing(2), "Bell.wav");
    EXPECT_EQ(state.AwaitedWav(2), "Bell.wav");
}

TEST_F(RulesTest, AMultiTriggerAtLoadSwitchesSceneBeforeLaterSlotsArePrepared) {
    SceneGame({{3, R"("kind":7,"p12":0,"p13":1,"p14":0,"p15":0,"p20":2)"},
               {5, R"("kind":0,"s3":"a.gif","p16":1)"}},
              R"(,{"header":{"10":"e2.wav"}}]})");
    Pictures({"a.gif"});
    Media({"e2.wav"});
    LoadScene(ctx, 1);
    EXPECT_EQ(state.CurrentScene, 2);
    EXPECT_EQ(At("load picture 5 a.gif"), -1);
    EXPECT_EQ(log,
              (testing::Lines{"[Multi-Trigger Index # 3-1] Flag 1= 0. Taking action...",
                              "[Multi-Trigger Index # 3-1] Switch to Scene 2", "Scene 2 loaded."}));
    EXPECT_EQ(Count("play 16 e2.wav"), 1);
}

TEST_F(RulesTest, TheFirstTriggerThatHoldsWinsAndAnUnchangedOneBlocksTheOthers) {
    Scene({{1, R"("kind":7,"p12":0,
                   "p13":5,"p14":3,"p15":0,"p16":1,"p17":6,"p18":1,"p19":0,
                   "p21":5,"p22":3,"p23":0,"p24":1,"p25":7,"p26":1,"p27":0)"}});
    SetFlag(ctx, 5, 1, 0);
    EXPECT_EQ(state.Flags(6), 1);
    EXPECT_EQ(state.Flags(7), 0);
    EXPECT_TRUE(Logged("[Multi-Trigger Index # 1-1] Flag 5> 0. Taking action..."));
    log.clear();
    SetFlag(ctx, 8, 1, 0);
    EXPECT_EQ(state.Flags(7), 0);
    EXPECT_EQ(log, testing::Lines{"<Flag 8> Set to  1"});
}

TEST_F(RulesTest, AFlagConjunctionFiresOncePerVisitOrAgainOnEachChange) {
    Scene({{1, R"("kind":9,"p12":1,"p13":1,"p14":5,"p15":3,"p16":0,"s3":"7","s4":"1","s5":"1")"},
           {2, R"("kind":9,"p12":0,"p13":1,"p14":5,"p15":3,"p16":0,"s3":"6","s4":"1","s5":"1")"}});
    SetFlag(ctx, 5, 1, 0);
    EXPECT_EQ(state.Flags(6), 1);
    EXPECT_EQ(state.Flags(7), 1);
    EXPECT_TRUE(Logged("[Flag Conj. Index # 2] Conditions true. Taking action..."));
    SetFlag(ctx, 5, 1, 0);  // unchanged since it fired
    EXPECT_EQ(state.Flags(7), 1);
    SetFlag(ctx, 5, 2, 0);
    EXPECT_EQ(state.Flags(6), 1);
    EXPECT_EQ(state.Flags(7), 2);
}

TEST_F(RulesTest, AFlagConjunctionWithoutConditionsFiresAtOnceOnlyWhenOncePerVisit) {
    SceneGame({{1, R"("kind":9,"p12":0,"s3":"6","s4":"2.5","s5":"0")"},
               {2, R"("kind":9,"p12":1,"s3":"7","s4":"1","s5":"0")"}});
    LoadScene(ctx, 1);
    SetFlag(ctx, 8, 1, 0);
    EXPECT_EQ(state.Flags(6), 2);  // the value text rounds half to even
    EXPECT_EQ(state.Flags(7), 0);
}

TEST_F(RulesTest, ADelayArmsExpiresAndWaitsWhileTheMapIsOpen) {
    Scene({{1, R"("kind":6,"p12":1,"p13":5,"p14":0,"p15":1,"p16":2,"p17":6,"p18":1,"p19":0,
                   "p20":1)"}});
    SetFlag(ctx, 5, 1, 0);
    EXPECT_TRUE(Logged("[Delay Index # 1] Flag 5= 1. Taking action..."));
    EXPECT_TRUE(Logged("Delay 1 started."));
    EXPECT_TRUE(view.ShowsPointer(kWaitPointer));
    EXPECT_TRUE(state.Delays(1).DelayRunning);
    state.MapOpen = true;
    loop.PassTime(5000);
    EXPECT_EQ(state.Flags(6), 0);
    state.MapOpen = false;
    loop.PassTime(2000);
    EXPECT_TRUE(Logged("Delay 1 expired."));
    EXPECT_EQ(state.Flags(6), 1);
    EXPECT_FALSE(state.Delays(1).DelayRunning);
    EXPECT_TRUE(view.ShowsPointer(kNormalPointer));
}

TEST_F(RulesTest, StartDelayComputesItsIntervalInSixteenBits) {
    Scene({});
    StartDelay(ctx, 1, 0);
    EXPECT_EQ(view.DelayTimer(1).Interval(), kTimerResolutionMs);
    EXPECT_EQ(state.Delays(1).DelayMs, 1) << "the game's own value is kept";
    StartDelay(ctx, 2, 32);
    EXPECT_EQ(view.DelayTimer(2).Interval(), 32000);
    EXPECT_THROW(StartDelay(ctx, 3, 33), RuntimeError);
    StartDelay(ctx, 4, -1);
    EXPECT_EQ(view.DelayTimer(4).Interval(), 0);
    loop.PassTime(60000);
    EXPECT_TRUE(state.Delays(4).DelayRunning);
}

TEST_F(RulesTest, ADelayTooLongIsReportedByThePass) {
    Scene({{1, R"("kind":6,"p12":1,"p13":5,"p14":0,"p15":1,"p16":33)"}});
    SetFlag(ctx, 5, 1, 0);
    EXPECT_EQ(boxes.texts, testing::Lines{"Error in sub 'CheckHiddenObjects'.\rError # 6 : " +
                                          DescribeError(6)});
}

TEST_F(RulesTest, ObjectSoundChannelPicksTheFieldOrTheSlot) {
    SceneGame(
        {{3, R"("kind":4,"p27":-1)"}, {15, R"("kind":1,"p35":0)"}, {16, R"("kind":1,"p35":7)"}});
    LoadScene(ctx, 1);
    EXPECT_EQ(ObjectSoundChannel(state, 1, 15, 2), 2);
    EXPECT_EQ(ObjectSoundChannel(state, 1, 16, 2), 7);
    EXPECT_EQ(ObjectSoundChannel(state, 4, 3, 1), 15);
    EXPECT_EQ(ObjectSoundChannel(state, 3, 3, 3), 0);
    EXPECT_EQ(ObjectSoundChannel(state, 6, 3, 1), 0);
}

TEST_F(RulesTest, SettingFlagZeroDoesNothingAndTheScoreFlagUpdatesTheCaptions) {
    Scene({});
    state.ScoreFlag = 4;
    const TimeMs before = clock.Now();
    SetFlag(ctx, 0, 5, 0);
    EXPECT_EQ(clock.Now(), before);
    EXPECT_TRUE(log.empty());
    SetFlag(ctx, 4, 12, 0);
    EXPECT_EQ(view.score, "12");
}

TEST_F(RulesTest, AddMapLocationShowsTheMarkerAndLogs) {
    Scene({});
    AddMapLocation(ctx, 0);
    AddMapLocation(ctx, 7);
    EXPECT_EQ(view.markers, std::vector<int>{7});
    EXPECT_EQ(state.Locations(7).Available, 1);
    EXPECT_EQ(log, testing::Lines{"Location #7 added to Map."});
}

}  // namespace
}  // namespace morvane
