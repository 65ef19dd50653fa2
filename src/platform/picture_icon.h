#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/picture.h"

namespace morvane {

// One image chosen from an icon (.ico) or cursor (.cur) file.
struct IconImage {
    // A PNG file when the image is stored as PNG, else an icon or cursor file holding only the
    // chosen image, so an image decoder cannot pick a different one.
    std::string data;
    bool is_png = false;
    bool is_cursor = false;
    std::optional<HotSpot> hot_spot;  // cursors only, as stored (not yet checked against the size)
};

// Reads the ICONDIR and ICONDIRENTRY records of an icon or cursor file and picks its largest
// image (then the one with the most colours). A cursor keeps the hot spot its entry stores.
// Nothing when the directory is damaged or points outside the file.
std::optional<IconImage> ChooseIconImage(std::span<const uint8_t> bytes);

}  // namespace morvane
