#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "database/saved_game_record.h"

namespace morvane {

// A small picture of the scene, 0xAARRGGBB pixels row by row.
struct Thumbnail {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    bool Empty() const { return Pixels.empty(); }
};

// What a selected saved game says about itself in the dialogs: its trimmed description, date
// and time.
struct SaveHeaderTexts {
    std::string Description;
    std::string Date;
    std::string Time;
};

// The state of saving and loading for the run. The snapshot holds the game between its
// capture and the writing of a file, and between the reading of a file and the restore; its
// reserved fields keep what the last file read held, so they are written back unchanged.
struct SavedGamesState {
    // Where saved games are kept: the game folder's "Saved", or the player's own folder for
    // the game when the game folder cannot be written.
    std::filesystem::path Folder;
    // The folder the player's user chose for saved games (--saves); it wins over both.
    std::optional<std::filesystem::path> ChosenFolder;
    SavedGameRecord Snapshot;
    // The scene as it was when the snapshot was taken, kept beside the saved game.
    Thumbnail Picture;
    SaveHeaderTexts Header;
    // The dialogs' guards against a second click while they close.
    bool SaveDialogClosing = false;
    bool LoadDialogClosing = false;
};

}  // namespace morvane
