#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Where a file is written before it takes the place of `target`: beside it, so that the final
// rename never crosses a file system.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& target);

// Writes `bytes` as the whole content of `target` so that the file is never seen half-written:
// they go to TemporaryFileFor(target), are flushed to the disk, and the temporary file then
// replaces the target by rename (the folder is flushed too). A regular file left at the
// temporary place by an interrupted write is written over; anything else there (a folder, a
// link) makes the write fail. Returns why the write failed, or nothing when it succeeded; on
// failure the target is as it was and no temporary file is left behind.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               std::string_view bytes);

}  // namespace morvane
