#include "engine/game_folder.h"

namespace morvane {

std::string GameFolder(const GameState& state) {
    return state.Paths.GameFolder();
}

std::string GfxPath(const GameState& state, std::string_view name) {
    return state.Paths.GfxPath(name);
}

std::string MediaPath(const GameState& state, std::string_view name) {
    return state.Paths.MediaPath(name);
}

bool FileExists(const GameState& state, std::string_view path) {
    return state.Paths.FileExists(path);
}

}  // namespace morvane
