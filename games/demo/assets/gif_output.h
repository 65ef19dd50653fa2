#pragma once

#include <filesystem>
#include <vector>

#include "canvas.h"

namespace morvane::demo {

// Writes the frames (all of one size) as one GIF with a shared palette. Transparent pixels get
// a transparent index; each frame is cleared before the next is shown, so frames do not pile up.
// A single frame is a still picture; several loop for ever unless `play_once`.
void WritePicture(const std::filesystem::path& file, const std::vector<Canvas>& frames,
                  int delay_cs = 10, bool play_once = false);

inline void WritePicture(const std::filesystem::path& file, const Canvas& still) {
    WritePicture(file, std::vector<Canvas>{still});
}

}  // namespace morvane::demo
