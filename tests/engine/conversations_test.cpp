#include "engine/conversations.h"

#include "engine_fixture.h"

namespace morvane {
namespace {

class ConversationsTest : public testing::EngineTest {
  protected:
    ConversationsTest() {
        SceneGame({{2, R"("kind":8,"p12":1,"p13":2,"p14":5,"p15":0,"p16":1)"},
                   {3, R"("kind":8,"p12":2,"p13":2,"p14":5,"p15":0,"p16":2)"}},
                  R"(],
          "conversations":[
            {"3":["Hello there friend","Bye"],"4":[1,0],"5":[5,0],"6":[2,0],"7":[0,0],
             "8":[1,1],"9":["line.wav",""]},
            {"3":["Ok"],"4":[1],"5":[5],"6":[0],"7":[0]}]})");
        Media({"line.wav", "hover.wav"});
        LoadScene(ctx, 1);
        loop.PassTime(200);
        log.clear();
    }
};

TEST_F(ConversationsTest, TheBoxIsShownReplacedWithoutShrinkingAndHiddenByThePass) {
    SetFlag(ctx, 5, 1, 0);
    EXPECT_TRUE(view.box.visible);
    EXPECT_EQ(state.CurrentConv, 2);
    EXPECT_EQ(view.box.width, 180 + 156);
    EXPECT_EQ(view.box.left, 700 - (180 + 156));
    EXPECT_EQ(view.box.captions[1], "Hello there friend");
    EXPECT_TRUE(view.box.shown[2]);
    EXPECT_FALSE(view.box.shown[3]);
    EXPECT_TRUE(Logged("[Conv Index # 2] Flag 5= 1. Taking action..."));
    EXPECT_TRUE(Logged("[Conv Index # 2] Show Conversation Box"));

    SetFlag(ctx, 5, 2, 0);
    EXPECT_EQ(state.CurrentConv, 3);
    EXPECT_EQ(view.box.captions[1], "Ok");
    EXPECT_FALSE(view.box.shown[2]);
    EXPECT_EQ(view.box.width, 180 + 156);
    EXPECT_FALSE(Logged("[Conv Index # 2] Hide Conversation Box"));

    SetFlag(ctx, 5, 0, 0);
    EXPECT_FALSE(view.box.visible);
    EXPECT_EQ(state.CurrentConv, 0);
    EXPECT_EQ(log.back(), "[Conv Index # 3] Hide Conversation Box");
}

TEST_F(ConversationsTest, ACueCardOfZeroIsOnlyLogged) {
    ShowConversation(ctx, 0, 4);
    EXPECT_EQ(log,
              (testing::Lines{"[Conv Index # 4] Show Conversation Box", "No Cue Card assigned!"}));
    EXPECT_FALSE(view.box.visible);
    EXPECT_EQ(state.CurrentConv, 0);
}

TEST_F(ConversationsTest, HoveringALinePlaysTheHoverSoundOnceAndHighlightsIt) {
    state.Settings.MouseOverSound = "hover.wav";
    SetFlag(ctx, 5, 1, 0);
    ConvText_MouseMove(ctx, 2);
    EXPECT_EQ(view.box.colours[2], ConversationBox::kWhite);
    ConvBox_MouseMove(ctx);
    EXPECT_EQ(view.box.colours[2], ConversationBox::kSilver);
    ConvText_MouseMove(ctx, 2);
    EXPECT_EQ(Count("play 18 hover.wav"), 1);
    ConvText_MouseMove(ctx, 1);
    EXPECT_EQ(view.box.colours[1], ConversationBox::kWhite);
    EXPECT_EQ(view.box.colours[2], ConversationBox::kSilver);
    EXPECT_EQ(Count("play 18 hover.wav"), 2);
}

TEST_F(ConversationsTest, ClickingALinePlaysItsSoundAndSetsItsFlag) {
    state.LogSwitch = false;
    SetFlag(ctx, 5, 1, 0);
    ConvText_Click(ctx, 1);
    EXPECT_EQ(log, testing::Lines{"Play Wav: 'line.wav'"});
    EXPECT_EQ(sound.Playing(15), "line.wav");
    EXPECT_EQ(state.Flags(5), 2);
    EXPECT_EQ(state.CurrentConv, 3);
}

TEST_F(ConversationsTest, ClicksAndHoversAreIgnoredWhileTheWaitPointerShows) {
    SetFlag(ctx, 5, 1, 0);
    view.pointer = kWaitPointer;
    ConvText_Click(ctx, 1);
    ConvText_MouseMove(ctx, 1);
    EXPECT_EQ(state.Flags(5), 1);
    EXPECT_EQ(view.box.colours[1], ConversationBox::kSilver);
}

TEST_F(ConversationsTest, AClickWhoseFlagOverflowsIsReportedAndPlayGoesOn) {
    SetFlag(ctx, 5, 1, 0);
    state.LineFlagMode(1) = 1;
    state.LineFlagValue(1) = 1;
    state.Flags(5) = 32767;
    ConvText_Click(ctx, 1);
    EXPECT_EQ(boxes.texts,
              testing::Lines{TrapMessage("ConvText_Click", RuntimeError(ErrorNumber::kOverflow))});
    SetFlag(ctx, 5, 1, 0);
    EXPECT_EQ(state.Flags(5), 1);
}

}  // namespace
}  // namespace morvane
