#include <gtest/gtest.h>

#include <string>

#include "support/game_builder.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// Every way the player can end early, and a whole headless run, exits with its status, one
// plain message where there is one, and nothing for the leak checker to report (the run with no
// display is the player program's own test, which allows one line and nothing more).
TEST(CleanExit, EveryEarlyExitAndAHeadlessRunEndWithoutLeaks) {
    testing::TempFolder scratch;
    const auto game = scratch.Path() / "game";
    testing::GameBuilder(game).WriteJson(R"({"general": {"35": "1", "37": 1}, "scenes": [{}]})");
    const auto script = scratch.Write("walk.txt", "wait 3000\nclick MainMenu.Buttn(2)\nwait 500\n");
    const std::string player_game = "'" + game.string() + "'";
    struct Exit {
        const char* what;
        std::string arguments;
        int status;
        const char* message;
    };
    const Exit exits[] = {
        {"bad option", "--fast", 2, "--help"},
        {"missing game folder", "'" + (scratch.Path() / "none").string() + "' --headless", 2,
         "not a game folder"},
        {"missing script", player_game + " --headless --script none.txt", 2,
         "cannot read the script"},
        {"script that is a folder",
         player_game + " --headless --script '" + scratch.Path().string() + "'", 2, "is a folder"},
        {"headless run", player_game + " --headless --script '" + script.string() + "'", 0, ""},
    };
    for (const Exit& exit : exits) {
        SCOPED_TRACE(exit.what);
        const testing::PlayerRun run = testing::RunPlayer(scratch, exit.arguments);
        EXPECT_EQ(run.status, exit.status) << run.err;
        EXPECT_NE(run.err.find(exit.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Sanitizer"), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace morvane
