#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "flow/flow_context.h"
#include "platform/game_paths.h"

namespace morvane {

// The places a player's own files may go when the game folder cannot take them, as the
// desktop's conventions give them: $XDG_DATA_HOME, else ~/.local/share.
struct UserDataFolders {
    std::string XdgDataHome;
    std::string Home;

    // From the environment of the process.
    static UserDataFolders FromEnvironment();
};

// The saved-games folder of a game: the game folder's "Saved" (any letter case), made when
// it is missing, as long as it can be written; otherwise the player's own folder for the game,
// XDG_DATA_HOME/morvane-player/GAME_TITLE/Saved, made when missing. Nothing when neither
// can be had.
std::optional<std::filesystem::path> FindSavedGamesFolder(const GamePaths& game,
                                                          const std::string& game_title,
                                                          const UserDataFolders& user);

// Sets the saved-games folder of the run, once at start-up: the user's chosen folder when there
// is one, else the game's. When no folder can be had, the game folder's "Saved" stays the
// folder, and saving there reports why it fails.
void SavedGamesFolder(FlowContext& ctx);

}  // namespace morvane
