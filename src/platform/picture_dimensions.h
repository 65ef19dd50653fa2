#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/picture_format.h"

namespace morvane {

struct PictureSize {
    long long width = 0;
    long long height = 0;
};

// The size a BMP, PNG, JPEG or icon/cursor image (the data of one directory entry) says it
// has, read from its header without decoding it, so a damaged header that claims an enormous
// picture is refused before a decoder allocates memory for it. Nothing when the header is
// missing or cut short, or when a PNG's chunks run past the end of the data.
std::optional<PictureSize> PeekPictureSize(std::span<const uint8_t> bytes, PictureFormat format);

}  // namespace morvane
