#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/builtin_pictures.h"
#include "platform/picture_cache.h"
#include "platform/picture_result.h"

namespace morvane {

class GamePaths;

// Where every control gets its pictures: files of the game folder, decoded once and shared
// through the decode cache, and the pictures the player draws itself. One instance, owned by
// the player's context and reached from any control through its window's desktop.
class PictureService {
  public:
    // `stills` decodes the formats other than GIF (the backend's decoder); without one only
    // GIFs are read.
    explicit PictureService(const GamePaths& paths, const StillPictureDecoder* stills = nullptr,
                            std::size_t cache_bytes = PictureCache::kDefaultMaxBytes);
    PictureService(const PictureService&) = delete;
    PictureService& operator=(const PictureService&) = delete;

    // The picture a path from the game names, as the game builds it (GameFolder() +
    // "resource\gfx\" + name) or relative to the game folder. A path that leads nowhere, or
    // outside the game folder, is error 53 like a missing file; damaged data is error 481.
    PictureResult Load(std::string_view path);

    // A picture file of the player's own, outside the game folder (the picture kept with a
    // saved game): read afresh, never cached, so a file written again shows its new content.
    PictureResult LoadFile(const std::filesystem::path& file) const;

    // Drawn on first use: a run that never needs a placeholder never pays for drawing them.
    const BuiltInPictures& BuiltIns() const;
    PictureCache& Cache() { return cache_; }
    const GamePaths& Paths() const { return paths_; }

  private:
    const GamePaths& paths_;
    const StillPictureDecoder* stills_;
    PictureCache cache_;
    mutable std::unique_ptr<const BuiltInPictures> built_ins_;
};

}  // namespace morvane
