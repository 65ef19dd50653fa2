#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "database/game_data.h"
#include "support/demo_runs.h"
#include "support/player_process.h"
#include "support/saved_game_numbers.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// The built player run headless on a copy of the demo game the build made.
using DemoScript = testing::DemoCopyTest;

// Sits through the logo and the credits, then a new game from the menu.
constexpr const char* kToSceneOne =
    "wait 6000\n"
    "expect visible MainMenu\n"
    "click MainMenu.Buttn(2)\n"
    "wait 1000\n"
    "expect scene 1\n"
    "expect hidden MainMenu\n";

TEST_F(DemoScript, SitsThroughTheLogoAndStartsANewGame) {
    const auto result = Run(std::string(kToSceneOne) + "expect inventory 1\nstate\n");
    testing::ExpectHeld(result);
    EXPECT_NE(result.out.find("state: scene=1 in-hand=none inventory=[1] flags=[]"),
              std::string::npos)
        << result.out;
}

TEST_F(DemoScript, FieldThirtyFiveSkipsTheLogo) {
    const std::string script = "wait 4000\nexpect visible MainMenu\n";
    const auto with_logo = Run(script);
    EXPECT_EQ(with_logo.status, 1) << "the logo is still showing" << with_logo.out;

    // Field 35 set to "1": the engine logo is left out at start-up.
    ChangeGame([](GameData& game) { game.General->StartupLogoOption = FixedText<15>("1"); });
    const auto without_logo = Run(script);
    EXPECT_EQ(without_logo.status, 0) << without_logo.out << without_logo.err;
}

TEST_F(DemoScript, QuitQueryNoContinuesYesReturnsToTheMenuWithEveryFlagCleared) {
    const auto result = Run(std::string(kToSceneOne) +
                            // The gull's delay has set flag 9 by now: a flag to see cleared.
                            "wait 4000\nexpect flag 9 1\n"
                            "click Main.MainMenuButtn\nexpect visible QuitGameQuery\n"
                            "click QuitGameQuery.ButtnNo\nwait 500\n"
                            "expect hidden QuitGameQuery\nexpect hidden MainMenu\n"
                            "expect scene 1\nexpect flag 9 1\n"
                            "click Main.MainMenuButtn\nclick QuitGameQuery.ButtnYes\nwait 1500\n"
                            "expect visible MainMenu\nexpect flag 9 0\nstate\n");
    testing::ExpectHeld(result);
    EXPECT_NE(result.out.find("flags=[]"), std::string::npos) << result.out;
}

TEST_F(DemoScript, QuitsThroughTheExitPicture) {
    const auto result =
        Run("wait 6000\nclick MainMenu.Buttn(5)\nwait 1000\nexpect visible NagForm\n"
            "click NagForm.Command1\nwait 1000\n");
    testing::ExpectHeld(result);
}

TEST_F(DemoScript, SecondClickWithinTheMenuPauseDoesNothing) {
    const auto result = Run(
        "wait 6000\nclick MainMenu.Buttn(2)\nclick MainMenu.Buttn(2)\nwait 2000\nexpect scene 1\n",
        "--log");
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_EQ(testing::CountOf(result.out + result.err, "Scene 1 loaded."), 1)
        << result.out << result.err;
}

// Saves through the dialog: the save button, a name, a description, OK.
std::string SaveAs(const std::string& name, const std::string& description) {
    return "click Main.SaveGameButtn\nwait 300\nexpect visible SaveGame\n"
           "type SaveGame.Text1 " +
           name + "\ntype SaveGame.Text2 " + description +
           "\nclick SaveGame.ButtnOK\nwait 300\nexpect hidden SaveGame\n";
}

constexpr const char* kQuitToMenu =
    "click Main.MainMenuButtn\nwait 500\nclick QuitGameQuery.ButtnYes\nwait 1500\n"
    "expect visible MainMenu\nexpect flag 9 0\n";

std::string LoadFrom(const std::string& file) {
    return "click MainMenu.Buttn(3)\nwait 1000\nexpect visible LoadGame\n"
           "select LoadGame.File1 " +
           file +
           "\nclick LoadGame.ButtnOK\nwait 1500\n"
           "expect hidden LoadGame\nexpect hidden MainMenu\n";
}

// Two saves of the game as it is played, one while the gull's delay still runs and one after it
// ran out; each is loaded after quitting to the menu and plays on from where it was saved. The
// files are read field by field.
TEST_F(DemoScript, SavedGamesRestoreTheGameTheyWereSavedFrom) {
    const std::string script =
        // The scene's load ends (and the busy pointer goes) before the save button answers.
        std::string(kToSceneOne) + "wait 1000\n" + SaveAs("early", "Before the gull") +
        "expect flag 9 0\nwait 3500\nexpect flag 9 1\n"
        "click Main.Animation(5)\nwait 1500\nclick Main.Animation(2)\nwait 2500\nexpect scene 2\n"
        "click Main.Animation(5)\nwait 1000\nexpect inventory 1 3\n" +
        SaveAs("cottage", "With the key") + kQuitToMenu + LoadFrom("early.sav") +
        "expect scene 1\nexpect inventory 1\nexpect flag 9 0\nexpect playing 19 theme.wav\n"
        "wait 3500\nexpect flag 9 1\nexpect visible Main.Animation(7)\n" +
        kQuitToMenu + LoadFrom("cottage.sav") +
        "expect scene 2\nexpect inventory 1 3\nexpect flag 9 1\nexpect flag 2 1\n"
        "wait 5000\nexpect flag 9 1\nstate\n";
    const auto result = Run(script);
    testing::ExpectHeld(result);

    using namespace testing::saved_game;
    const std::string early = testing::ReadWholeFile(Game() / "Saved" / "early.sav");
    ASSERT_EQ(early.size(), 1113u);
    EXPECT_EQ(ReadText(early, kDescription), Padded("Before the gull", 50));
    EXPECT_EQ(ReadText(early, kSoundtrack), Padded("theme.wav", 15));
    EXPECT_EQ(Read32(early, kVolume), -400);
    const Number early_numbers[] = {
        {kScene, 1, 1},        {kInventory, 1, 1},        {kInventory, 2, 0}, {kFlags, 9, 0},
        {kDelayRunning, 6, 1}, {kDelayDuration, 6, 3000}, {kDelayFlag, 6, 9}, {kDelayValue, 6, 1}};
    ExpectNumbers(early, early_numbers);

    const std::string cottage = testing::ReadWholeFile(Game() / "Saved" / "cottage.sav");
    ASSERT_EQ(cottage.size(), 1113u);
    EXPECT_EQ(ReadText(cottage, kSoundtrack), Padded("cottage.mid", 15));
    EXPECT_EQ(Read32(cottage, kVolume), -300);
    const Number cottage_numbers[] = {
        {kScene, 1, 2}, {kInventory, 1, 1}, {kInventory, 2, 3},    {kInventory, 3, 0},
        {kFlags, 9, 1}, {kFlags, 2, 1},     {kDelayRunning, 6, 0}, {kDelayDuration, 6, 3000}};
    ExpectNumbers(cottage, cottage_numbers);
    EXPECT_TRUE(std::filesystem::exists(Game() / "Saved" / "cottage.png"));
}

}  // namespace
}  // namespace morvane
