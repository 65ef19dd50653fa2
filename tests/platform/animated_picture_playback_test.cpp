#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "animated_picture_test_fixture.h"

namespace morvane {
namespace {

using namespace morvane::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class AnimatedPicturePlaybackTest : public AnimatedPictureTest {
  protected:
    void SetUp() override {
        LoadNow(animation_, WriteAnimation());
        animation_.OnPlayFinished = [this] { ++play_finished_; };
    }
    int play_finished_ = 0;
};

TEST_F(AnimatedPicturePlaybackTest, FramesAdvanceAfterTheirOwnDelaysOnTheVirtualClock) {
    // 0 and 1 hundredths play at 100 ms; 5 and 20 hundredths as written.
    LoadNow(animation_, WriteFrames("timed.gif", {0, 1, 5, 20}));
    const TimeMs start = runtime_.loop.Now();
    std::vector<std::pair<TimeMs, int>> steps;
    animation_.OnStep = [&] {
        steps.emplace_back(runtime_.loop.Now() - start, animation_.Frame());
    };
    animation_.Start();
    EXPECT_TRUE(animation_.Playing());
    runtime_.loop.PassTime(560);
    EXPECT_THAT(steps, ElementsAre(std::pair<TimeMs, int>{100, 1}, std::pair<TimeMs, int>{200, 2},
                                   std::pair<TimeMs, int>{250, 3}, std::pair<TimeMs, int>{450, 0},
                                   std::pair<TimeMs, int>{550, 1}));
}

TEST_F(AnimatedPicturePlaybackTest, PlaybackModesGiveTheirFrameOrder) {
    // The file asks to be played once; the control repeats it all the same.
    animation_.Start();
    EXPECT_THAT(StepsDuring(animation_, 600), ElementsAre(1, 2, 3, 0, 1, 2));
    animation_.Stop();

    animation_.SetFrame(0);
    animation_.SetPlaybackMode(AnimatedPicture::kBackward);
    animation_.Start();
    EXPECT_THAT(StepsDuring(animation_, 500), ElementsAre(3, 2, 1, 0, 3));
    animation_.Stop();

    animation_.SetFrame(0);
    animation_.SetPlaybackMode(AnimatedPicture::kBackAndForth);
    animation_.Start();
    EXPECT_THAT(StepsDuring(animation_, 800), ElementsAre(1, 2, 3, 2, 1, 0, 1, 2));
    EXPECT_EQ(play_finished_, 0);
    EXPECT_THROW(animation_.SetPlaybackMode(3), RuntimeError);
}

TEST_F(AnimatedPicturePlaybackTest, SinglePassEndsOnceOnItsEndFrame) {
    animation_.SetSinglePass(1);
    bool playing_when_finished = true;
    animation_.OnPlayFinished = [&] {
        ++play_finished_;
        playing_when_finished = animation_.Playing();
    };
    animation_.Start();
    EXPECT_THAT(StepsDuring(animation_, 1000), ElementsAre(1, 2, 3));
    EXPECT_EQ(play_finished_, 1);
    EXPECT_FALSE(playing_when_finished);
    EXPECT_FALSE(animation_.Playing());
    EXPECT_EQ(animation_.Frame(), 3);

    // A switch turned back: backward from the last frame to the first.
    animation_.SetPlaybackMode(AnimatedPicture::kBackward);
    animation_.SetFrame(SubInteger(animation_.FrameCount(), 1));
    animation_.Start();
    EXPECT_THAT(StepsDuring(animation_, 1000), ElementsAre(2, 1, 0));
    EXPECT_EQ(play_finished_, 2);

    // Started on its end frame, a pass is a whole cycle; back and forth returns to the start.
    animation_.SetPlaybackMode(AnimatedPicture::kBackAndForth);
    animation_.Start();
    EXPECT_THAT(StepsDuring(animation_, 2000), ElementsAre(1, 2, 3, 2, 1, 0));
    EXPECT_EQ(play_finished_, 3);
}

TEST_F(AnimatedPicturePlaybackTest, AnimFlagMakesOnlyTheNextStartOnePass) {
    animation_.SetAnimFlag(true);
    animation_.Start();
    EXPECT_FALSE(animation_.AnimFlag());
    EXPECT_THAT(StepsDuring(animation_, 1000), ElementsAre(1, 2, 3));
    EXPECT_EQ(play_finished_, 1);

    animation_.Start();
    EXPECT_EQ(StepsDuring(animation_, 1000).size(), 10u);
    EXPECT_TRUE(animation_.Playing());

    // Asked while running, it lets the running pass be the last.
    animation_.SetAnimFlag(true);
    animation_.Start();
    runtime_.loop.PassTime(1000);
    EXPECT_FALSE(animation_.Playing());
    EXPECT_EQ(animation_.Frame(), 3);
    EXPECT_EQ(play_finished_, 2);
}

TEST_F(AnimatedPicturePlaybackTest, StopAndStartKeepTheCurrentFrame) {
    animation_.Start();
    runtime_.loop.PassTime(250);
    animation_.Stop();
    EXPECT_FALSE(animation_.Playing());
    EXPECT_THAT(StepsDuring(animation_, 1000), IsEmpty());
    EXPECT_EQ(animation_.Frame(), 2);
    animation_.Start();
    EXPECT_THAT(StepsDuring(animation_, 100), ElementsAre(3));
}

TEST_F(AnimatedPicturePlaybackTest, FramesAreClampedAndANewPictureStartsStopped) {
    animation_.SetFrame(99);
    EXPECT_EQ(animation_.Frame(), 3);
    animation_.SetFrame(-1);
    EXPECT_EQ(animation_.Frame(), 0);

    animation_.Start();
    runtime_.loop.PassTime(150);
    LoadNow(animation_, WriteFrames("other.gif", {10, 10, 10}));
    EXPECT_FALSE(animation_.Playing());
    EXPECT_EQ(animation_.Frame(), 0);
}

TEST_F(AnimatedPicturePlaybackTest, StillAndEmptyPicturesNeverRunATimer) {
    LoadNow(animation_, WriteFrames("still.gif", {10}));
    animation_.SetAnimFlag(true);
    animation_.Start();
    EXPECT_FALSE(animation_.Playing());
    EXPECT_FALSE(runtime_.loop.NextDueTime());

    animation_.SetPictureFile("");
    animation_.Start();
    EXPECT_FALSE(animation_.Playing());
    EXPECT_FALSE(runtime_.loop.NextDueTime());
    EXPECT_EQ(play_finished_, 0);
}

TEST_F(AnimatedPicturePlaybackTest, AnimationWaitsWhileItsWindowIsUnloaded) {
    animation_.Start();
    main_.Unload();
    EXPECT_THAT(StepsDuring(animation_, 1000), IsEmpty());
    main_.Load();
    EXPECT_THAT(StepsDuring(animation_, 100), ElementsAre(1));
}

}  // namespace
}  // namespace morvane
