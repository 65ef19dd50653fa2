#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "database/game_data.h"
#include "support/game_builder.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// Runs the built morvane-player as an author would, on a game folder the test writes.
class PlayerProgram : public ::testing::Test {
  protected:
    PlayerProgram() { testing::GameBuilder(Game()).Write(testing::MapGame({true, false, true})); }

    std::filesystem::path Game() const { return folder_.Path() / "game"; }

    using Result = testing::PlayerRun;

    // `arguments` follow the program's name; `input` is its standard input.
    Result Run(const std::string& arguments, const std::string& input = "") const {
        return testing::RunPlayer(folder_, arguments, input);
    }

    Result RunScript(const std::string& script, const std::string& options = "") const {
        return testing::RunPlayerScript(folder_, Game(), script, options);
    }

    testing::TempFolder folder_;
};

TEST_F(PlayerProgram, ScriptThatHoldsExitsZero) {
    const auto result = RunScript(
        "# the map after start-up\nwait 4000\nexpect location 1 shown\nexpect location 2 hidden\n"
        "expect scene 0\nexpect in-hand none\nstate\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "state: scene=0 in-hand=none inventory=[] flags=[] locations=[1 3]\n");
}

TEST_F(PlayerProgram, ScriptsDriveTheGamesWindows) {
    const auto result = RunScript(
        "wait 4000\nexpect visible MainMenu\nexpect hidden MapWindow\n"
        "expect caption Main.Command1 Debug\n"
        "click Main.Animation(3)\nhover MapWindow.Loctn(1)\nclick Main.Command1 right\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "note: Main.Animation(3) not reachable (window Main hidden)\n"
              "note: MapWindow.Loctn(1) not reachable (window MapWindow hidden)\n"
              "note: Main.Command1 not reachable (window Main hidden)\n");
}

TEST_F(PlayerProgram, FailedExpectationsArePrintedAndExitOne) {
    const auto result = RunScript("wait 4000\nexpect scene 2\nexpect flag 7 1\nstate\n");
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(result.out,
              "FAIL 2: scene is 0, expected 2\nFAIL 3: flag 7 is 0, expected 1\n"
              "state: scene=0 in-hand=none inventory=[] flags=[] locations=[1 3]\n");
}

// A script error stops the program before anything runs, and says so after the program's name.
TEST_F(PlayerProgram, MalformedLineOrUnknownControlExitsTwo) {
    const std::pair<const char*, const char*> cases[] = {
        {"wait 10\n\nclick Main.Animation(3) twice\nstate\n",
         "morvane-player: script line 3: a click is plain or right, not \"twice\"\n"},
        {"wait 10\nexpect flag\n", "morvane-player: script line 2: the flag number is missing\n"},
        {"state\nclick Main.NoSuchControl\n",
         "morvane-player: script line 2: unknown control Main.NoSuchControl\n"},
    };
    for (const auto& [script, error] : cases) {
        SCOPED_TRACE(script);
        const auto result = RunScript(script);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, error);
        EXPECT_EQ(result.out, "") << "nothing runs before the script is known to be good";
    }
}

TEST_F(PlayerProgram, ScriptFromStandardInput) {
    const auto result = Run("'" + Game().string() + "' --headless --script -",
                            "wait 4000\nexpect location 3 shown\nstate\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "state: scene=0 in-hand=none inventory=[] flags=[] locations=[1 3]\n");
}

TEST_F(PlayerProgram, SameScriptSameOutput) {
    const std::string script = "wait 5000\nexpect scene 1\nstate\nwait 60000\nstate\n";
    const auto first = RunScript(script, "--log --trace-media");
    const auto second = RunScript(script, "--log --trace-media");
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.status, second.status);
    EXPECT_EQ(first.out, second.out);
    EXPECT_NE(first.out.find("FAIL 2: "), std::string::npos) << first.out;
}

TEST_F(PlayerProgram, SameScriptRunsInAWindowInRealTime) {
    // The test programs run SDL on its dummy video driver, and so does the player they start.
    const std::string script = "wait 4000\nexpect location 2 shown\nstate\n";
    const auto file = folder_.Write("walk.txt", script);
    const auto windowed = Run("'" + Game().string() + "' --script '" + file.string() + "'");
    const auto headless = RunScript(script);
    EXPECT_EQ(windowed.status, 1) << windowed.err;
    EXPECT_EQ(windowed.out, headless.out);
    EXPECT_EQ(windowed.out,
              "FAIL 2: map location 2 is hidden, expected shown\n"
              "state: scene=0 in-hand=none inventory=[] flags=[] locations=[1 3]\n");
}

TEST_F(PlayerProgram, AMissingScriptExitsTwo) {
    const auto missing = Run("'" + Game().string() + "' --headless --script '" +
                             (folder_.Path() / "no-such-script.txt").string() + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read the script"), std::string::npos) << missing.err;

    // A folder is no script, though it opens like an empty file.
    const auto folder =
        Run("'" + Game().string() + "' --headless --script '" + folder_.Path().string() + "'");
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.err.find("is a folder"), std::string::npos) << folder.err;
    EXPECT_EQ(folder.out, "");
}

}  // namespace
}  // namespace morvane
