#include "platform/picture_dimensions.h"

#include <cstdlib>

namespace morvane {
namespace {

uint32_t LittleEndian(std::span<const uint8_t> b, std::size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

uint32_t BigEndian(std::span<const uint8_t> b, std::size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = (value << 8) | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// A BITMAPINFOHEADER (or the older BITMAPCOREHEADER) starting at `at`.
std::optional<PictureSize> BitmapHeaderSize(std::span<const uint8_t> b, std::size_t at) {
    if (b.size() < at + 12) {
        return std::nullopt;
    }
    const uint32_t header_size = LittleEndian(b, at, 4);
    if (header_size == 12) {
        return PictureSize{LittleEndian(b, at + 4, 2), LittleEndian(b, at + 6, 2)};
    }
    const auto width = static_cast<int32_t>(LittleEndian(b, at + 4, 4));
    const auto height = static_cast<int32_t>(LittleEndian(b, at + 8, 4));
    // Top-down bitmaps store a negative height.
    return PictureSize{width, std::llabs(static_cast<long long>(height))};
}

std::optional<PictureSize> JpegSize(std::span<const uint8_t> b) {
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) {
            return std::nullopt;
        }
        const uint8_t marker = b[at + 1];
        if (marker == 0xFF) {
            ++at;  // fill byte
            continue;
        }
        const uint32_t length = BigEndian(b, at + 2, 2);
        const bool frame_header =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame_header) {
            if (at + 9 > b.size()) {
                return std::nullopt;
            }
            return PictureSize{BigEndian(b, at + 7, 2), BigEndian(b, at + 5, 2)};
        }
        if (length < 2) {
            return std::nullopt;
        }
        at += 2 + length;
    }
    return std::nullopt;
}

// The PNG decoder reads past the end of its data as if more were there, so a chunk whose
// length runs past the end (a damaged length, a cut file) would have it checksum gigabytes of
// nothing. The chunks must end inside the data, with IEND.
bool PngChunksFit(std::span<const uint8_t> b) {
    std::size_t at = 8;
    while (at + 12 <= b.size()) {
        const std::size_t length = BigEndian(b, at, 4);
        if (length > b.size() - at - 12) {
            return false;
        }
        const bool end =
            b[at + 4] == 'I' && b[at + 5] == 'E' && b[at + 6] == 'N' && b[at + 7] == 'D';
        if (end) {
            return true;
        }
        at += 12 + length;
    }
    return false;
}

}  // namespace

std::optional<PictureSize> PeekPictureSize(std::span<const uint8_t> bytes, PictureFormat format) {
    switch (format) {
        case PictureFormat::kBmp:
            return BitmapHeaderSize(bytes, 14);
        case PictureFormat::kPng:
            if (bytes.size() < 24 || !PngChunksFit(bytes)) {
                return std::nullopt;
            }
            return PictureSize{BigEndian(bytes, 16, 4), BigEndian(bytes, 20, 4)};
        case PictureFormat::kJpeg:
            return JpegSize(bytes);
        case PictureFormat::kIcon:
        case PictureFormat::kCursor: {
            // One entry's bitmap: its height counts the colour rows and the mask rows.
            auto size = BitmapHeaderSize(bytes, 0);
            if (size) {
                size->height /= 2;
            }
            return size;
        }
        case PictureFormat::kGif:
        case PictureFormat::kUnknown:
            break;
    }
    return std::nullopt;
}

}  // namespace morvane
