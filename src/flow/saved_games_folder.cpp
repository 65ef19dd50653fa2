#include "flow/saved_games_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "base/text.h"

namespace morvane {
namespace fs = std::filesystem;
namespace {

constexpr const char* kSavedFolder = "Saved";
constexpr const char* kPlayerFolder = "morvane-player";

bool WritableFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// The game's title as one safe folder name: characters no folder name takes become '_', and a
// title that is empty or all dots becomes "Untitled".
std::string TitleFolder(const std::string& game_title) {
    std::string name = Windows1252ToUtf8(Trim(game_title));
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    if (name.find_first_not_of('.') == std::string::npos) {
        return "Untitled";
    }
    return name;
}

std::optional<fs::path> UserFolder(const std::string& game_title, const UserDataFolders& user) {
    fs::path base;
    // A relative XDG_DATA_HOME is not valid and is ignored.
    if (!user.XdgDataHome.empty() && fs::path(user.XdgDataHome).is_absolute()) {
        base = user.XdgDataHome;
    } else if (!user.Home.empty()) {
        base = fs::path(user.Home) / ".local" / "share";
    } else {
        return std::nullopt;
    }
    const fs::path folder = base / kPlayerFolder / TitleFolder(game_title) / kSavedFolder;
    std::error_code error;
    fs::create_directories(folder, error);
    if (!WritableFolder(folder)) {
        return std::nullopt;
    }
    return folder;
}

}  // namespace

UserDataFolders UserDataFolders::FromEnvironment() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return {xdg != nullptr ? xdg : "", home != nullptr ? home : ""};
}

std::optional<fs::path> FindSavedGamesFolder(const GamePaths& game, const std::string& game_title,
                                             const UserDataFolders& user) {
    if (const auto existing = game.Resolve(kSavedFolder)) {
        if (WritableFolder(*existing)) {
            return *existing;
        }
    } else if (const auto wanted = game.ResolveForWriting(kSavedFolder)) {
        std::error_code error;
        if (fs::create_directory(*wanted, error) && WritableFolder(*wanted)) {
            return *wanted;
        }
    }
    return UserFolder(game_title, user);
}

void SavedGamesFolder(FlowContext& ctx) {
    const GameState& state = ctx.State;
    if (ctx.Saves.ChosenFolder) {
        // Made when missing; when it cannot be, saving there says why.
        std::error_code error;
        fs::create_directories(*ctx.Saves.ChosenFolder, error);
        ctx.Saves.Folder = *ctx.Saves.ChosenFolder;
        return;
    }
    if (auto folder = FindSavedGamesFolder(state.Paths, state.GameTitle,
                                           UserDataFolders::FromEnvironment())) {
        ctx.Saves.Folder = std::move(*folder);
    } else {
        ctx.Saves.Folder = state.Paths.Root() / kSavedFolder;
    }
}

}  // namespace morvane
