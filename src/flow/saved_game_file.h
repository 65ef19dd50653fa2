#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "database/saved_game_record.h"
#include "engine/game_state.h"
#include "flow/flow_context.h"

namespace morvane {

// The date and time a saved game shows: "MM-DD-YYYY" and "hh:mm AM" / "hh:mm PM".
std::string SaveDateText(const std::tm& when);
std::string SaveTimeText(const std::tm& when);

// The existing file of the folder whose name (Windows-1252) equals `name` without regard to
// letter case, as names compare on the game's home system.
std::optional<std::filesystem::path> FindSavedGameFile(const std::filesystem::path& folder,
                                                       std::string_view name);

// Where a saved game named `name` (Windows-1252) lies in the folder: the existing file of that
// name in any letter case, else the name as spelt.
std::filesystem::path SavedGamePath(const std::filesystem::path& folder, std::string_view name);

// The small picture kept beside a saved game: NAME.png for NAME.sav.
std::filesystem::path ThumbnailPathFor(const std::filesystem::path& saved_game);

// A saved game file read and checked against the running game: the record when it fits,
// otherwise why not ("It holds 500 bytes; a saved game holds exactly 1113.").
struct SavedGameRead {
    std::optional<SavedGameRecord> record;
    std::string problem;
};
SavedGameRead ReadSavedGame(const std::filesystem::path& file, const GameState& state);

// Fills the save snapshot from the running game at one moment (the delays, flags, inventory,
// map, scene and soundtrack) and keeps a small picture of the scene with it.
void CaptureSaveState(FlowContext& ctx);

// Writes the snapshot as saved game `file_name` (the name typed, turned into a file name by the
// naming rule) with `description`. An existing file of that name is written over only after
// the player agrees; the new file replaces it whole, or not at all, with a message naming the
// file when it cannot be written. True when the file was written; `file_name` then holds the
// file's name in the folder.
bool SaveGameFile(FlowContext& ctx, std::string& file_name, std::string_view description);

// Fills the header texts from saved game `file_name` of the folder; empty texts when it cannot
// be read.
void ReadSaveHeader(FlowContext& ctx, const std::string& file_name);

// Restores saved game `file_name` of the folder. A file that is not a saved game of the running
// game is refused with a message naming it, and nothing of the game changes: false.
bool LoadSavedGame(FlowContext& ctx, const std::string& file_name);

// The message that refuses a saved game.
std::string RefusalMessage(const std::filesystem::path& file, const std::string& problem);

}  // namespace morvane
