#pragma once

#include <string>
#include <string_view>

#include "engine/game_state.h"

namespace morvane {

// The game folder with exactly one trailing separator; every path of the game is this plus a
// relative path.
std::string GameFolder(const GameState& state);

// The full path of a picture ("resource\gfx\") and of a sound or movie ("resource\mmedia\") that
// the game data names without a path.
std::string GfxPath(const GameState& state, std::string_view name);
std::string MediaPath(const GameState& state, std::string_view name);

// True when the path names an existing regular file inside the game folder; folders, missing
// names and names that would leave the game folder are False. Never raises an error.
bool FileExists(const GameState& state, std::string_view path);

}  // namespace morvane
