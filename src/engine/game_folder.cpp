#include "engine/game_folder.h"

namespace morvane {

std::string GameFolder(const GameState& state) {
    return state.Paths.GameFolder();
}

bool FileExists(const GameState& state, std::string_view path) {
    return state.Paths.FileExists(path);
}

}  // namespace morvane
