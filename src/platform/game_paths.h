#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The game's two resource folders, as the game spells them after the game folder: pictures, and
// sounds and movies. Game data names files in them without a path.
inline constexpr std::string_view kGfxFolder = "resource\\gfx\\";
inline constexpr std::string_view kMediaFolder = "resource\\mmedia\\";

// The one way from a path the game gives ("resource\Gfx\lamp.gif", or GameFolder() followed by
// such a path) to a file on disk. Game folders come from Windows: both separators are accepted
// and a component that does not exist as spelt is matched case-insensitively. Nothing the game
// data names may lead outside the game folder: "..", absolute paths that are not inside it,
// drive letters and NUL bytes all resolve to nothing.
class GamePaths {
  public:
    explicit GamePaths(const std::filesystem::path& game_folder);

    const std::filesystem::path& Root() const { return root_; }

    // The game folder as text with exactly one trailing separator, the prefix the engine puts
    // before every relative path.
    const std::string& GameFolder() const { return game_folder_text_; }

    // GameFolder() + "resource\gfx\" + name and GameFolder() + "resource\mmedia\" + name: the full
    // paths of a picture and of a sound or movie the game data names.
    std::string GfxPath(std::string_view name) const;
    std::string MediaPath(std::string_view name) const;

    // The existing file or folder the path names; nothing when it is missing or not allowed.
    std::optional<std::filesystem::path> Resolve(std::string_view path) const;

    // Where a file that may not exist yet belongs (a saved game to write): the existing leading
    // folders are matched as by Resolve, the rest is taken as spelt. Nothing when not allowed.
    std::optional<std::filesystem::path> ResolveForWriting(std::string_view path) const;

    // True when the path names an existing regular file (not a folder); never throws.
    bool FileExists(std::string_view path) const;

  private:
    std::optional<std::filesystem::path> ResolveImpl(std::string_view path,
                                                     bool allow_missing) const;

    std::filesystem::path root_;
    std::string game_folder_text_;
};

}  // namespace morvane
