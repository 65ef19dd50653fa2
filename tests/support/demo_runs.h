#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/count_of.h"
#include "support/player_process.h"

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

}  // namespace morvane::testing
