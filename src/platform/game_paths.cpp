#include "platform/game_paths.h"

#include <system_error>
#include <vector>

#include "base/text.h"

namespace morvane {
namespace fs = std::filesystem;
namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

std::vector<std::string> SplitComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (const char c : path) {
        if (IsSeparator(c)) {
            if (!current.empty()) {
                parts.push_back(std::move(current));
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        parts.push_back(std::move(current));
    }
    return parts;
}

bool StartsWithFolder(std::string_view path, std::string_view folder) {
    if (path.size() < folder.size()) {
        return false;
    }
    for (std::size_t i = 0; i < folder.size(); ++i) {
        const bool both_separators = IsSeparator(path[i]) && IsSeparator(folder[i]);
        if (!both_separators && path[i] != folder[i]) {
            return false;
        }
    }
    return true;
}

// Finds the entry of `folder` that a component from game data names: the exact spelling first,
// then the UTF-8 form of its Windows-1252 bytes, then either of them ignoring case.
std::optional<fs::path> MatchEntry(const fs::path& folder, const std::string& component) {
    std::error_code ec;
    const std::string utf8 = Windows1252ToUtf8(component);
    for (const std::string* name : {&component, &utf8}) {
        if (fs::exists(folder / *name, ec)) {
            return folder / *name;
        }
    }
    const std::string wanted_raw = ToLowerAscii(component);
    const std::string wanted_utf8 = ToLowerAscii(utf8);
    fs::directory_iterator it(folder, ec);
    if (ec) {
        return std::nullopt;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            return std::nullopt;
        }
        const std::string candidate = ToLowerAscii(it->path().filename().string());
        if (candidate == wanted_raw || candidate == wanted_utf8) {
            return it->path();
        }
    }
    return std::nullopt;
}

bool IsInside(const fs::path& candidate, const fs::path& root) {
    std::error_code ec;
    const fs::path real = fs::weakly_canonical(candidate, ec);
    if (ec) {
        return false;
    }
    auto root_it = root.begin();
    auto it = real.begin();
    for (; root_it != root.end() && !root_it->empty(); ++root_it, ++it) {
        if (it == real.end() || *it != *root_it) {
            return false;
        }
    }
    return true;
}

}  // namespace

GamePaths::GamePaths(const fs::path& game_folder) {
    std::error_code ec;
    root_ = fs::weakly_canonical(fs::absolute(game_folder, ec), ec);
    if (ec || root_.empty()) {
        root_ = game_folder;
    }
    game_folder_text_ = root_.string();
    if (game_folder_text_.empty() || !IsSeparator(game_folder_text_.back())) {
        game_folder_text_ += '/';
    }
    // weakly_canonical keeps a trailing separator as an empty last element; drop it for
    // comparisons.
    if (!root_.empty() && root_.filename().empty() && root_ != root_.root_path()) {
        root_ = root_.parent_path();
    }
}

std::string GamePaths::GfxPath(std::string_view name) const {
    return game_folder_text_ + std::string(kGfxFolder) + std::string(name);
}

std::string GamePaths::MediaPath(std::string_view name) const {
    return game_folder_text_ + std::string(kMediaFolder) + std::string(name);
}

std::optional<fs::path> GamePaths::Resolve(std::string_view path) const {
    return ResolveImpl(path, false);
}

std::optional<fs::path> GamePaths::ResolveForWriting(std::string_view path) const {
    return ResolveImpl(path, true);
}

bool GamePaths::FileExists(std::string_view path) const {
    try {
        const auto resolved = Resolve(path);
        std::error_code ec;
        return resolved && fs::is_regular_file(*resolved, ec);
    } catch (...) {
        return false;
    }
}

std::optional<fs::path> GamePaths::ResolveImpl(std::string_view path, bool allow_missing) const {
    if (path.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view relative = path;
    if (StartsWithFolder(path, game_folder_text_)) {
        relative = path.substr(game_folder_text_.size());
    } else if (!path.empty() && IsSeparator(path.front())) {
        return std::nullopt;  // absolute, and not inside the game folder
    }
    const std::vector<std::string> components = SplitComponents(relative);
    fs::path current = root_;
    bool missing = false;
    for (const std::string& component : components) {
        if (component == ".") {
            continue;
        }
        if (component == ".." || component.find(':') != std::string::npos) {
            return std::nullopt;
        }
        if (!missing) {
            if (auto match = MatchEntry(current, component)) {
                current = *match;
                continue;
            }
            if (!allow_missing) {
                return std::nullopt;
            }
            missing = true;
        }
        current /= component;
    }
    if (!IsInside(current, root_)) {
        return std::nullopt;
    }
    return current;
}

}  // namespace morvane
