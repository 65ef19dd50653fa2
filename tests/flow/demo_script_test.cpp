#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "database/game_data.h"
#include "database/game_files.h"
#include "platform/game_paths.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// The built player run headless on a copy of the demo game the build made, so that whatever the
// player writes into its game folder never reaches the build's own copy.
class DemoScript : public ::testing::Test {
  protected:
    DemoScript() {
        std::filesystem::copy(std::filesystem::path(MORVANE_BUILD_DIR) / "games" / "demo", Game(),
                              std::filesystem::copy_options::recursive);
    }

    std::filesystem::path Game() const { return folder_.Path() / "demo"; }

    // Field 35 set to "1": the engine logo is left out at start-up.
    void SkipLogo() const {
        GameData game = ReadGameFiles(GamePaths(Game()));
        ASSERT_TRUE(game.General.has_value());
        game.General->StartupLogoOption = FixedText<15>("1");
        WriteGameFiles(Game(), game);
    }

    using Result = testing::PlayerRun;

    Result Run(const std::string& script, const std::string& options = "") const {
        return testing::RunPlayerScript(folder_, Game(), script, options);
    }

    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++n;
        }
        return n;
    }

    testing::TempFolder folder_;
};

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
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_EQ(result.out.find("FAIL"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("state: scene=1 in-hand=none inventory=[1] flags=[]"),
              std::string::npos)
        << result.out;
}

TEST_F(DemoScript, FieldThirtyFiveSkipsTheLogo) {
    const std::string script = "wait 4000\nexpect visible MainMenu\n";
    const auto with_logo = Run(script);
    EXPECT_EQ(with_logo.status, 1) << "the logo is still showing" << with_logo.out;

    SkipLogo();
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
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_EQ(result.out.find("FAIL"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("flags=[]"), std::string::npos) << result.out;
}

TEST_F(DemoScript, QuitsThroughTheExitPicture) {
    const auto result =
        Run("wait 6000\nclick MainMenu.Buttn(5)\nwait 1000\nexpect visible NagForm\n"
            "click NagForm.Command1\nwait 1000\n");
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_EQ(result.out.find("FAIL"), std::string::npos) << result.out;
}

TEST_F(DemoScript, SecondClickWithinTheMenuPauseDoesNothing) {
    const auto result = Run(
        "wait 6000\nclick MainMenu.Buttn(2)\nclick MainMenu.Buttn(2)\nwait 2000\nexpect scene 1\n",
        "--log");
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_EQ(Count(result.out + result.err, "Scene 1 loaded."), 1) << result.out << result.err;
}

}  // namespace
}  // namespace morvane
