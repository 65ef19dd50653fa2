#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "platform/picture_format.h"
#include "platform/picture_result.h"
#include "platform/still_picture_decoder.h"

namespace morvane {

// Decodes a picture held in memory: GIF (every frame, composited), and through `stills` BMP,
// JPEG, PNG, ICO and CUR (with its hot spot). Anything else, damaged data, or a still picture
// without a decoder for it, is error 481.
PictureResult DecodePicture(std::span<const uint8_t> bytes, std::string source_name,
                            const StillPictureDecoder* stills);

// Reads and decodes a picture file. A missing or unreadable file is error 53, anything that
// is not a picture we can decode is error 481. Never throws for bad data.
PictureResult LoadPicture(const std::filesystem::path& path, const StillPictureDecoder* stills);

}  // namespace morvane
