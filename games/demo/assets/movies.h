#pragma once

#include <filesystem>

namespace morvane::demo {

// Writes the game's movies (AVI) and its MP3 soundtrack into `folder` (resource/mmedia),
// encoded by FFmpeg's encoders: the intro, the climb up the tower that opens the lamp room,
// the ship reaching harbour behind the banner of the last scene, and the sea shanty of that
// scene.
void WriteMovies(const std::filesystem::path& folder);

}  // namespace morvane::demo
