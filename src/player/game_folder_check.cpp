#include "player/game_folder_check.h"

#include <system_error>

#include "platform/game_paths.h"

namespace morvane {

std::optional<std::string> CheckGameFolder(const std::filesystem::path& folder) {
    const std::string problem =
        "not a game folder: " + folder.string() + " (resource/Morvane1.dat not found)";
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return problem;
    }
    const GamePaths paths(folder);
    for (int n = 1; n <= 5; ++n) {
        if (paths.FileExists("resource\\Morvane" + std::to_string(n) + ".dat")) {
            return std::nullopt;
        }
    }
    return problem;
}

}  // namespace morvane
