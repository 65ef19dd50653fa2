#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "database/game_data.h"
#include "database/game_files.h"
#include "platform/game_paths.h"
#include "support/count_of.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

namespace morvane::testing {

// A copy of the demo game the build made, so that whatever the player writes into its game
// folder never reaches the build's own copy.
inline void CopyDemoGame(const std::filesystem::path& copy) {
    std::filesystem::copy(std::filesystem::path(MORVANE_BUILD_DIR) / "games" / "demo", copy,
                          std::filesystem::copy_options::recursive);
}

// A script run that held: it ended with status 0 and no expectation failed.
inline void ExpectHeld(const PlayerRun& run) {
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out.find("FAIL"), std::string::npos) << run.out;
}

// The demo game copied for the test and played headless by scripts.
class DemoCopyTest : public ::testing::Test {
  protected:
    DemoCopyTest() { CopyDemoGame(Game()); }

    std::filesystem::path Game() const { return folder_.Path() / "demo"; }

    // Rewrites the copy's database as `change` leaves it.
    void ChangeGame(const std::function<void(GameData&)>& change) const {
        GameData game = ReadGameFiles(GamePaths(Game()));
        ASSERT_TRUE(game.General.has_value());
        change(game);
        WriteGameFiles(Game(), game);
    }

    PlayerRun Run(const std::string& script, const std::string& options = "") const {
        return RunPlayerScript(folder_, Game(), script, options);
    }

    TempFolder folder_;
};

}  // namespace morvane::testing
