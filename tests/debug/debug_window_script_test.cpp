#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "database/game_data.h"
#include "support/demo_runs.h"

namespace morvane {
namespace {

// The demo game in debugging mode, played headless by scripts that use the notify and debug
// windows as an author would. Its item file is stretched to 18 items (copies of the first that
// the game does not start with), so that the inventory bar can be filled.
class DebugWindowScript : public testing::DemoCopyTest {
  protected:
    DebugWindowScript() {
        ChangeGame([](GameData& game) {
            game.General->DebugMode = 1;
            InventoryRecord copy = game.Items.front();
            copy.CarriedAtStart = 0;
            while (game.Items.size() < 18) {
                game.Items.push_back(copy);
            }
        });
    }

    testing::PlayerRun Run(const std::string& script) const {
        return DemoCopyTest::Run(kNewGame + script);
    }

    static void ExpectClean(const testing::PlayerRun& result) {
        testing::ExpectHeld(result);
        EXPECT_EQ(result.out.find("not reachable"), std::string::npos) << result.out;
    }

    // The logo, the credits, the menu and a new game; the gull's delay is still running.
    static constexpr const char* kNewGame =
        "wait 6000\n"
        "click MainMenu.Buttn(2)\n"
        "wait 1000\n"
        "expect scene 1\n";
};

TEST_F(DebugWindowScript, DebuggingModeShowsTheDebugButtonAndTheShrunkNotifyWindow) {
    const auto result =
        Run("expect visible Main.Command1\n"
            "expect caption Main.Command1 Debug\n"
            "expect visible NoWin\n"
            "expect caption NoWin Notify Window (Debug)\n"
            "expect height NoWin 45\n"
            "expect caption NoWin.CompExp Expand Window\n"
            "expect count NoWin.List1 0\n"
            "click Main.Command1\n"
            "expect visible MvDebug\n"
            "expect caption MvDebug Morvane Debug Window\n"
            "expect caption MvDebug.Label3 (Current Scene is\n"
            "expect caption MvDebug.CurScnLabel 1)\n"
            "expect caption MvDebug.Check1 Notify Window\n");
    ExpectClean(result);
}

TEST_F(DebugWindowScript, QueryAndSetFlagReadNumbersAndCheckTheirRange) {
    const auto result =
        Run("click Main.Command1\n"
            // Out of range, not a number, and the edges.
            "type MvDebug.QueryFlag 0\nclick MvDebug.Command2\n"
            "expect caption MvDebug.QFlagResult Flag # must be between 1 and 255\n"
            "retype MvDebug.QueryFlag 256\nclick MvDebug.Command2\n"
            "expect caption MvDebug.QFlagResult Flag # must be between 1 and 255\n"
            "retype MvDebug.QueryFlag lamp\nclick MvDebug.Command2\n"
            "expect caption MvDebug.QFlagResult Flag # must be between 1 and 255\n"
            "retype MvDebug.QueryFlag 255\nclick MvDebug.Command2\n"
            "expect caption MvDebug.QFlagResult Flag 255 = 0\n"
            // Set: the flag changes through the game's own flag setting.
            "type MvDebug.SetFlg 12\ntype MvDebug.SFValue 7\nclick MvDebug.SetFlagbtn\n"
            "expect caption MvDebug.SetFlgResult Flag 12 set to 7\n"
            "expect flag 12 7\n"
            "retype MvDebug.SFValue -3\nclick MvDebug.SetFlagbtn\n"
            "expect caption MvDebug.SetFlgResult Flag 12 set to-3\n"
            "expect flag 12 -3\n"
            // Half rounds to even: 12.5 is flag 12, 13.5 is flag 14.
            "retype MvDebug.QueryFlag 12.5\nclick MvDebug.Command2\n"
            "expect caption MvDebug.QFlagResult Flag 12 = -3\n"
            "retype MvDebug.SetFlg 13.5\nretype MvDebug.SFValue 2.5\nclick MvDebug.SetFlagbtn\n"
            "expect caption MvDebug.SetFlgResult Flag 14 set to 2\n"
            "expect flag 14 2\n"
            "retype MvDebug.SetFlg 0\nclick MvDebug.SetFlagbtn\n"
            "expect caption MvDebug.SetFlgResult Flag # must be between 1 and 255\n"
            // Too large for a number of the game: reported, nothing set.
            "retype MvDebug.SetFlg 12\nretype MvDebug.SFValue 40000\nclick MvDebug.SetFlagbtn\n"
            "expect flag 12 -3\n");
    ExpectClean(result);
    EXPECT_NE(result.out.find("msgbox: Lighthouse Keeper | Unexpected error in procedure: "
                              "SetFlagbtn_Click\\r\\nError #6: Overflow"),
              std::string::npos)
        << result.out;
}

TEST_F(DebugWindowScript, LoadSceneAndGiveItemCheckTheRecordCounts) {
    std::string gifts;
    // Items 2 to 16 join the letter: the sixteenth fills the bar.
    for (int item = 2; item <= 15; ++item) {
        gifts += "retype MvDebug.GiveInv " + std::to_string(item) + "\nclick MvDebug.Command4\n";
    }
    const auto result =
        Run("click Main.Command1\n"
            "type MvDebug.LdScn 0\nclick MvDebug.Command1\n"
            "expect caption MvDebug.LdScnResult Scene # must be between 1 and 6\n"
            "retype MvDebug.LdScn 7\nclick MvDebug.Command1\n"
            "expect caption MvDebug.LdScnResult Scene # must be between 1 and 6\n"
            "retype MvDebug.LdScn 2\nclick MvDebug.Command1\n"
            "expect caption MvDebug.LdScnResult Scene 2 loaded\n"
            "expect caption MvDebug.CurScnLabel 2)\n"
            "expect scene 2\n"
            // The same scene again is loaded again.
            "click MvDebug.Command1\n"
            "expect scene 2\n"
            "type MvDebug.GiveInv 0\nclick MvDebug.Command4\n"
            "expect caption MvDebug.GiveInvResult Item # must be between 1 and 18\n"
            "retype MvDebug.GiveInv 19\nclick MvDebug.Command4\n"
            "expect caption MvDebug.GiveInvResult Item # must be between 1 and 18\n" +
            gifts +
            "expect caption MvDebug.GiveInvResult Item 15 added to inventory\n"
            "retype MvDebug.GiveInv 16\nclick MvDebug.Command4\n"
            "expect caption MvDebug.GiveInvResult Inventory Limits Reached (16)\n"
            "expect inventory 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n"
            "click MvDebug.Command6\n"
            "expect inventory\n"
            "retype MvDebug.GiveInv 3\nclick MvDebug.Command4\n"
            "expect caption MvDebug.GiveInvResult Item 3 added to inventory\n"
            "expect inventory 3\n");
    ExpectClean(result);
}

TEST_F(DebugWindowScript, WindowCommandsFollowTheLogSwitch) {
    const auto result = Run(
        // Show Map with the log off hides the notify window; the map closes as usual.
        "click Main.Command1\n"
        "click MvDebug.Command7\n"
        "expect visible MapWindow\n"
        "expect hidden NoWin\n"
        "click MapWindow.ButtnCancel\nwait 1000\n"
        "expect hidden MapWindow\n"
        "expect visible MvDebug\n"
        // Hide This Window with the log off hides the notify window too...
        "click MvDebug.Command5\n"
        "expect hidden MvDebug\n"
        "expect hidden NoWin\n"
        // ...and with it on shows it.
        "click Main.Command1\n"
        "click MvDebug.Check1\n"
        "click MvDebug.Command5\n"
        "expect hidden MvDebug\n"
        "expect visible NoWin\n"
        // Minimize Player: the game goes to the task bar and comes back.
        "click Main.Command1\n"
        "click MvDebug.Command3\n"
        "expect hidden MvDebug\n"
        "expect minimized Main\n"
        "restore Main\n"
        "expect restored Main\n"
        "expect visible NoWin\n"
        "click Main.Command1\n"
        "expect visible MvDebug\n");
    ExpectClean(result);
}

TEST_F(DebugWindowScript, TheLogSwitchDecidesWhatTheNotifyWindowGets) {
    // Scene 2 loaded from the debug window after the clicks on its log box in `switches`, and
    // the keeper's conversation there: its first line has a sound, which is logged even while
    // the log is off.
    const auto play = [this](const std::string& switches, const std::string& then) {
        const auto result = Run("click Main.Command1\n" + switches +
                                "type MvDebug.LdScn 2\nclick MvDebug.Command1\n"
                                "click MvDebug.Command5\n"
                                "click Main.Animation(3)\nwait 1500\n"
                                "click Main.ConvText(1)\nwait 1500\n" +
                                then);
        ExpectClean(result);
        return result;
    };
    const auto off = play("", "expect count NoWin.List1 1\n");
    EXPECT_EQ(testing::CountOf(off.out, "log: "), 1) << off.out;
    EXPECT_EQ(testing::CountOf(off.out, "log: Play Wav: '"), 1) << off.out;

    const auto on = play("click MvDebug.Check1\n", "");
    EXPECT_NE(on.out.find("log: Scene 2 loaded."), std::string::npos) << on.out;
    EXPECT_NE(on.out.find("log: Conversation Box clicked (Line #1)."), std::string::npos) << on.out;
    EXPECT_GT(testing::CountOf(on.out, "log: "), 3) << on.out;

    // Switched off again: nothing more but the sound line.
    const auto again =
        play("click MvDebug.Check1\nclick MvDebug.Check1\n", "expect count NoWin.List1 1\n");
    EXPECT_EQ(testing::CountOf(again.out, "log: "), 1) << again.out;
}

TEST_F(DebugWindowScript, NotifyWindowCopiesEmptiesAndShrinks) {
    const auto result = Run(
        // An empty list copies as an empty text.
        "click NoWin.cc\n"
        "expect clipboard\n"
        "click Main.Command1\n"
        "click MvDebug.Check1\n"
        "click MvDebug.Command5\n"
        "click Main.Command1\n"
        "type MvDebug.GiveInv 4\nclick MvDebug.Command4\n"
        "retype MvDebug.GiveInv 4\nclick MvDebug.Command4\n"
        "click MvDebug.Command5\n"
        "expect count NoWin.List1 2\n"
        "expect caption NoWin.List1 Couldn't add Item #4 to Inventory - Already there.\n"
        "click NoWin.cc\n"
        "expect clipboard Item #4 added to Inventory\\nCouldn't add Item #4 to Inventory - "
        "Already there.\\n\n"
        // Empty Contents: No keeps the lines, Yes clears them.
        "answer no\nclick NoWin.ClC\n"
        "expect count NoWin.List1 2\n"
        "answer yes\nclick NoWin.ClC\n"
        "expect count NoWin.List1 0\n"
        "click NoWin.cc\n"
        "expect clipboard\n"
        // Shrink and expand, twice.
        "click NoWin.CompExp\n"
        "expect height NoWin 400\nexpect caption NoWin.CompExp Shrink Window\n"
        "click NoWin.CompExp\n"
        "expect height NoWin 45\nexpect caption NoWin.CompExp Expand Window\n"
        "click NoWin.CompExp\n"
        "expect height NoWin 400\nexpect caption NoWin.CompExp Shrink Window\n"
        "click NoWin.CompExp\n"
        "expect height NoWin 45\nexpect caption NoWin.CompExp Expand Window\n");
    ExpectClean(result);
    EXPECT_EQ(testing::CountOf(result.out,
                               "msgbox: Lighthouse Keeper | Empty the contents of the Notify "
                               "Window?"),
              2)
        << result.out;
}

}  // namespace
}  // namespace morvane
