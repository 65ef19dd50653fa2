#pragma once

#include <filesystem>

#include "platform/clock.h"

namespace morvane {

// What the main AVI header tells about a movie.
struct AviInfo {
    int width = 0;
    int height = 0;
    // Microseconds per frame times the number of frames, in milliseconds (rounded up).
    TimeMs duration = 0;
};

// Reads the main header ('avih' in the 'hdrl' list) of an AVI file. Raises 53 when the file is
// missing and 321 when it has no readable main header or states a size no window could show.
AviInfo ReadAviInfo(const std::filesystem::path& file);

}  // namespace morvane
