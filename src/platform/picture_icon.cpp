#include "platform/picture_icon.h"

#include <cstring>

namespace morvane {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;

uint16_t U16(std::span<const uint8_t> b, std::size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t U32(std::span<const uint8_t> b, std::size_t at) {
    return uint32_t{b[at]} | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) |
           (uint32_t{b[at + 3]} << 24);
}
void PutU16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}
void PutU32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

struct Entry {
    int width = 0;
    int height = 0;
    int colors = 0;
    uint16_t planes_or_x = 0;
    uint16_t bits_or_y = 0;
    uint32_t size = 0;
    uint32_t offset = 0;
    std::size_t record = 0;  // where the entry itself starts
};

// A zero byte in the directory stands for 256 (sizes) or "256 or more" (colours).
int Dimension(uint8_t stored) {
    return stored == 0 ? 256 : stored;
}

bool Better(const Entry& a, const Entry& b) {
    const long long area_a = static_cast<long long>(a.width) * a.height;
    const long long area_b = static_cast<long long>(b.width) * b.height;
    if (area_a != area_b) {
        return area_a > area_b;
    }
    return a.colors > b.colors;
}

}  // namespace

std::optional<IconImage> ChooseIconImage(std::span<const uint8_t> bytes) {
    if (bytes.size() < kDirectorySize || U16(bytes, 0) != 0) {
        return std::nullopt;
    }
    const uint16_t type = U16(bytes, 2);
    const uint16_t count = U16(bytes, 4);
    if ((type != 1 && type != 2) || count == 0 ||
        bytes.size() < kDirectorySize + kEntrySize * count) {
        return std::nullopt;
    }
    std::optional<Entry> best;
    for (uint16_t i = 0; i < count; ++i) {
        const std::size_t at = kDirectorySize + kEntrySize * i;
        Entry entry;
        entry.width = Dimension(bytes[at]);
        entry.height = Dimension(bytes[at + 1]);
        entry.colors = bytes[at + 2] == 0 ? 256 : bytes[at + 2];
        entry.planes_or_x = U16(bytes, at + 4);
        entry.bits_or_y = U16(bytes, at + 6);
        entry.size = U32(bytes, at + 8);
        entry.offset = U32(bytes, at + 12);
        entry.record = at;
        // An entry whose data lies outside the file cannot be used; the others may still be.
        if (entry.size == 0 || entry.offset > bytes.size() ||
            entry.size > bytes.size() - entry.offset) {
            continue;
        }
        if (!best || Better(entry, *best)) {
            best = entry;
        }
    }
    if (!best) {
        return std::nullopt;
    }

    IconImage image;
    image.is_cursor = type == 2;
    const auto data = bytes.subspan(best->offset, best->size);
    static constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    image.is_png = data.size() >= sizeof(kPngSignature) &&
                   std::memcmp(data.data(), kPngSignature, sizeof(kPngSignature)) == 0;
    if (image.is_png) {
        image.data.assign(data.begin(), data.end());
    } else {
        PutU16(image.data, 0);
        PutU16(image.data, type);
        PutU16(image.data, 1);
        image.data.append(reinterpret_cast<const char*>(bytes.data() + best->record), 8);
        PutU32(image.data, best->size);
        PutU32(image.data, static_cast<uint32_t>(kDirectorySize + kEntrySize));
        image.data.append(data.begin(), data.end());
    }
    if (image.is_cursor) {
        image.hot_spot = HotSpot{best->planes_or_x, best->bits_or_y};
    }
    return image;
}

}  // namespace morvane
