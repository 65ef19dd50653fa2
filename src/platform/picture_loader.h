#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "platform/picture_result.h"

namespace morvane {

enum class PictureFormat { kUnknown, kGif, kBmp, kJpeg, kPng, kIcon, kCursor };

// The format the first bytes of a file show. The name of a file is not trusted: game folders
// hold pictures whose extension does not match their content.
PictureFormat DetectPictureFormat(std::span<const uint8_t> bytes);

// Decodes a picture held in memory: GIF (every frame, composited), BMP, JPEG, PNG, ICO and CUR
// (with its hot spot). Anything else, or damaged data, is error 481.
PictureResult DecodePicture(std::span<const uint8_t> bytes, std::string source_name);

// Reads and decodes a picture file. A missing or unreadable file is error 53, anything that
// is not a picture we can decode is error 481. Never throws for bad data.
PictureResult LoadPicture(const std::filesystem::path& path);

}  // namespace morvane
