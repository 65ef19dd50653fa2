#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/environment.h"

namespace morvane::sdl {

// The folder screenshots go to: $XDG_PICTURES_DIR, else the pictures folder named in the
// desktop's user-dirs.dirs, else ~/Pictures.
std::filesystem::path PicturesFolder(const EnvironmentLookup& environment);

// "TITLE-YYYY-MM-DD-HHMMSS.png", the title reduced to letters, digits, '-' and '_' (spaces
// become '_'); "Morvane" when nothing of it is left.
std::string ScreenshotFileName(std::string_view title, const std::tm& local_time);

// Writes 0xAARRGGBB pixels as the PNG file `path`, replacing it; throws std::runtime_error
// naming the path when it cannot be written.
void WritePng(const std::vector<uint32_t>& pixels, int width, int height,
              const std::filesystem::path& path);

// Writes 0xAARRGGBB pixels as a PNG file into `folder` (made when missing) under `name`, with
// "-2", "-3", ... before the extension when that name is taken. Returns the path written;
// throws std::runtime_error naming the path when it cannot be written.
std::filesystem::path SaveScreenshot(const std::vector<uint32_t>& pixels, int width, int height,
                                     const std::filesystem::path& folder, const std::string& name);

}  // namespace morvane::sdl
