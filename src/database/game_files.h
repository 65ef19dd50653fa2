#pragma once

#include <filesystem>

#include "database/game_data.h"
#include "platform/game_paths.h"

namespace morvane {

// Reads the five files as the player does: each with the player's record count, a partial last
// record read as blank past the end of the file, the general record only when the general file
// is exactly one record long. Missing files hold no records.
GameData ReadGameFiles(const GamePaths& paths);

// Writes the five files under GAME_FOLDER/resource/ (made when missing), each record at its
// place. All or nothing: the files are written under temporary names and renamed into place
// only when every one is complete, so a failure (std::runtime_error) leaves the folder as it
// was. Without a general record the general file is written empty, which the player reads as
// "no settings". Used by morvane-tool and by every test that needs a game.
void WriteGameFiles(const std::filesystem::path& game_folder, const GameData& game);

}  // namespace morvane
