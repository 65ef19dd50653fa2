#pragma once

#include <filesystem>

namespace morvane::demo {

// Writes every sound and piece of music of the game into `folder` (resource/mmedia).
void WriteSounds(const std::filesystem::path& folder);

}  // namespace morvane::demo
