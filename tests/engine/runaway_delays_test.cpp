#include "engine/runaway_delays.h"

#include <algorithm>
#include <string>

#include "engine/cascade.h"
#include "engine_fixture.h"

namespace morvane {
namespace {

using testing::Slots;

// Entering either scene adds 1 to flag 2, which runs the rules: a zero-second delay that adds 1
// to flag 1, and a responder on flag 1 that jumps to scene `other`. Once flag 1 is set, every
// entry jumps on at once and starts the delay again: the cascade is abandoned, the delays it
// started tick, and the loop comes back for ever.
std::string PingPongScene(int other) {
    return R"({"header":{"23":1,"24":2,"25":1,"26":1},"objects":)" +
           Slots(
               {{1, R"("kind":6,"p12":1,"p13":9,"p14":0,"p15":0,"p16":0,"p17":1,"p18":1,"p19":1)"},
                {2, R"("kind":5,"p12":1,"p13":1,"p14":3,"p15":0,"p22":1,"p23":)" +
                        std::to_string(other)}}) +
           "}";
}

class RunawayDelaysTest : public testing::EngineTest {
  protected:
    long Boxes(const std::string& part) const {
        return std::count_if(boxes.texts.begin(), boxes.texts.end(), [&](const std::string& t) {
            return t.find(part) != std::string::npos;
        });
    }
};

TEST_F(RunawayDelaysTest, TimerPingPongIsStoppedWithOneMessageAndPlayGoesOn) {
    Game("{\"scenes\":[" + PingPongScene(2) + "," + PingPongScene(1) + ",{}]}");
    LoadScene(ctx, 1);
    loop.PassTime(10 * 60'000);

    ASSERT_EQ(boxes.texts.size(), 1u) << boxes.texts.back();
    EXPECT_EQ(Boxes("Error #28: Out of stack space"), 1);
    EXPECT_EQ(Boxes("Delay1 in scene 1 and Delay1 in scene 2 are stopped"), 1) << boxes.texts[0];
    EXPECT_EQ(ctx.CascadeDepth, 0);
    EXPECT_FALSE(state.SceneLoading);
    EXPECT_FALSE(view.DelayTimer(1).Enabled());

    // The stopped delays stay stopped when their scene comes back; the rest of the game plays.
    state.Flags(1) = 0;
    LoadScene(ctx, state.CurrentScene == 1 ? 2 : 1);
    loop.PassTime(60'000);
    EXPECT_EQ(state.Flags(1), 0);
    EXPECT_TRUE(Logged("Delay 1 not started - stopped after a runaway loop."));
    LoadScene(ctx, 3);
    EXPECT_EQ(log.back(), "Scene 3 loaded.");
    EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST_F(RunawayDelaysTest, ADelayWhoseCascadeIsAbandonedOnceIsLeftAlone) {
    // The delay's flag change sets off rules that feed each other: the cascade is abandoned
    // with the usual message, but the delay took part only once and is not stopped.
    Game(R"({"scenes":[{"header":{"23":1,"24":2,"25":1,"26":1},"objects":)" +
         Slots(
             {{1, R"("kind":6,"p12":1,"p13":9,"p14":0,"p15":0,"p16":1,"p17":5,"p18":1,"p19":0)"},
              {2, R"("kind":7,"p12":0,"p13":5,"p14":3,"p15":0,"p16":1,"p17":6,"p18":1,"p19":1)"},
              {3, R"("kind":7,"p12":0,"p13":6,"p14":3,"p15":0,"p16":1,"p17":5,"p18":1,"p19":1)"}}) +
         "}]}");
    LoadScene(ctx, 1);
    loop.PassTime(2000);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0].find("stopped"), std::string::npos) << boxes.texts[0];
    EXPECT_FALSE(DelayStopped(ctx, 1));
    StartDelay(ctx, 1, 1);
    EXPECT_TRUE(view.DelayTimer(1).Enabled());
}

TEST_F(RunawayDelaysTest, AZeroSecondDelayWaitsOneTimerTick) {
    Game(R"({"scenes":[{}]})");
    LoadScene(ctx, 1);
    StartDelay(ctx, 1, 0);
    loop.PassTime(kTimerResolutionMs - 1);
    EXPECT_TRUE(state.Delays(1).DelayRunning);
    loop.PassTime(1);
    EXPECT_FALSE(state.Delays(1).DelayRunning);
}

TEST_F(RunawayDelaysTest, IdenticalMessagesWithinASecondAreShownOnceAndCounted) {
    Game(R"({"scenes":[{}]})");
    const std::string text = "Unexpected error in procedure: X\r\nError #5: Invalid";
    ShowMessage(ctx, text, MsgBoxIcon::kCritical);
    loop.PassTime(600);
    ShowMessage(ctx, text, MsgBoxIcon::kCritical);
    loop.PassTime(600);
    ShowMessage(ctx, text, MsgBoxIcon::kCritical);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(log.back(),
              "Message repeated within a second, not shown again (2 repeats): "
              "Unexpected error in procedure: X");

    ShowMessage(ctx, "another", MsgBoxIcon::kCritical);
    ShowMessage(ctx, text, MsgBoxIcon::kCritical);
    EXPECT_EQ(boxes.texts.size(), 3u) << "a different message in between shows it again";
    loop.PassTime(1001);
    ShowMessage(ctx, text, MsgBoxIcon::kCritical);
    EXPECT_EQ(boxes.texts.size(), 4u) << "more than a second later it is shown again";
}

}  // namespace
}  // namespace morvane
