#pragma once

#include <filesystem>

namespace morvane {

// The errors a media file can give the operation that plays it. A missing file is error 53
// ("File not found"); a file that is there but cannot be played is error 321, the classic
// runtime's "Invalid file format", so the caller's trap reports both in its usual form.

[[noreturn]] void RaiseInvalidFileFormat();

// Raises 53 unless `file` is an existing regular file.
void RequireMediaFile(const std::filesystem::path& file);

}  // namespace morvane
