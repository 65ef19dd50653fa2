#include <gtest/gtest.h>

#include "flow/flow_fixture.h"

namespace morvane::testing {
namespace {

class QuitQueryTest : public FlowTest {
  protected:
    void InGame() {
        StartWith();
        Play({Click(forms_.MainMenu.Buttn(2)), Wait(1000)});
        ASSERT_TRUE(forms_.Main.Visible());
        state_.Flags(1) = 4;
        state_.Flags(255) = -2;
        state_.CurrentScene = 1;
    }
};

TEST_F(QuitQueryTest, NoClosesTheQueryAndPlayGoesOn) {
    InGame();
    bool open_while_shown = false;
    Play({Click(forms_.Main.MainMenuButtn), Wait(100),
          Do([&] { open_while_shown = forms_.QuitGameQuery.Visible() && state_.QuitQueryOpen; }),
          Click(forms_.QuitGameQuery.ButtnNo), Wait(1000)});
    EXPECT_TRUE(open_while_shown);
    EXPECT_FALSE(forms_.QuitGameQuery.Visible());
    EXPECT_FALSE(state_.QuitQueryOpen);
    EXPECT_TRUE(forms_.Main.Visible());
    EXPECT_FALSE(forms_.MainMenu.Visible());
    EXPECT_EQ(state_.Flags(1), 4);
    EXPECT_EQ(state_.CurrentScene, 1);
}

TEST_F(QuitQueryTest, YesReturnsToTheMenuWithTheGameAbandoned) {
    InGame();
    forms_.Main.DelayTimer(3).SetInterval(5000);
    forms_.Main.DelayTimer(3).SetEnabled(true);
    Play({Click(forms_.Main.MainMenuButtn), Wait(100), Click(forms_.QuitGameQuery.ButtnYes),
          Wait(1000)});
    EXPECT_FALSE(forms_.QuitGameQuery.Visible());
    EXPECT_FALSE(forms_.Main.Visible());
    EXPECT_TRUE(forms_.MainMenu.Visible());
    for (int flag = 1; flag <= 255; ++flag) {
        ASSERT_EQ(state_.Flags(flag), 0) << flag;
    }
    EXPECT_EQ(state_.CurrentScene, 0);
    EXPECT_EQ(state_.ItemInHand, kNoItemInHand);
    EXPECT_FALSE(state_.QuitQueryOpen);
    EXPECT_FALSE(forms_.Main.DelayTimer(3).Enabled());
    EXPECT_EQ(services_.Count("stop all sounds"), 1);
    // A new game from there starts afresh at scene 1.
    Play({Click(forms_.MainMenu.Buttn(2)), Wait(1000)});
    EXPECT_EQ(services_.scenes_loaded, (std::vector<Integer>{1, 1}));
}

TEST_F(QuitQueryTest, SecondAnswerWhileClosingDoesNothing) {
    InGame();
    Play({Click(forms_.Main.MainMenuButtn), Wait(100), Click(forms_.QuitGameQuery.ButtnYes),
          Click(forms_.QuitGameQuery.ButtnNo), Click(forms_.QuitGameQuery.ButtnYes), Wait(1000)});
    EXPECT_EQ(services_.Count("stop all sounds"), 1);
    EXPECT_TRUE(forms_.MainMenu.Visible());
    EXPECT_FALSE(forms_.Main.Visible());
}

TEST_F(QuitQueryTest, TheMainMenuButtonWaitsWhileASceneIsLoading) {
    InGame();
    state_.SceneLoading = true;
    Play({Click(forms_.Main.MainMenuButtn), Wait(500)});
    EXPECT_FALSE(forms_.QuitGameQuery.Visible());
    EXPECT_TRUE(forms_.Main.Visible());
}

}  // namespace
}  // namespace morvane::testing
