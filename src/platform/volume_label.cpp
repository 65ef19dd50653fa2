#include "platform/volume_label.h"

#include <array>
#include <cstdint>
#include <fstream>

#include "base/text.h"

namespace morvane {
namespace {

constexpr std::size_t kSector = 2048;
using Sector = std::array<unsigned char, kSector>;

bool ReadSector(std::istream& image, std::uint64_t number, Sector& sector) {
    image.clear();
    image.seekg(static_cast<std::streamoff>(number * kSector));
    image.read(reinterpret_cast<char*>(sector.data()), kSector);
    return image.gcount() == static_cast<std::streamsize>(kSector);
}

std::uint16_t Le16(const Sector& s, std::size_t at) {
    return static_cast<std::uint16_t>(s[at] | (s[at + 1] << 8));
}

std::uint32_t Le32(const Sector& s, std::size_t at) {
    return static_cast<std::uint32_t>(s[at]) | (static_cast<std::uint32_t>(s[at + 1]) << 8) |
           (static_cast<std::uint32_t>(s[at + 2]) << 16) |
           (static_cast<std::uint32_t>(s[at + 3]) << 24);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UCS-2 big-endian text (Joliet, 16-bit UDF) as Windows-1252 bytes; characters without a
// Windows-1252 byte become '?', as the desktop's narrow label query gives them.
std::string FromUcs2(const unsigned char* bytes, std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        const char32_t c = static_cast<char32_t>((bytes[i] << 8) | bytes[i + 1]);
        if (c == 0) {
            break;
        }
        std::string utf8;
        AppendUtf8(utf8, c >= 0xD800 && c < 0xE000 ? U'?' : c);
        out += Utf8ToWindows1252(utf8).value_or("?");
    }
    return out;
}

std::string FromLatin1(const unsigned char* bytes, std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i < length && bytes[i] != 0; ++i) {
        std::string utf8;
        AppendUtf8(utf8, bytes[i]);
        out += Utf8ToWindows1252(utf8).value_or("?");
    }
    return out;
}

// A UDF descriptor tag: identifier, and a checksum over the other bytes of its 16.
bool IsTag(const Sector& s, std::uint16_t identifier) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        if (i != 4) {
            sum += s[i];
        }
    }
    return Le16(s, 0) == identifier && (sum & 0xFF) == s[4];
}

// UDF: the anchor at sector 256 points at the main volume descriptor sequence, whose logical
// volume descriptor (tag 6) names the volume in a 128-byte dstring at offset 84.
std::optional<std::string> UdfLabel(std::istream& image) {
    Sector sector{};
    if (!ReadSector(image, 256, sector) || !IsTag(sector, 2)) {
        return std::nullopt;
    }
    const std::uint32_t length = Le32(sector, 16);
    const std::uint32_t location = Le32(sector, 20);
    const std::uint32_t count = std::min<std::uint32_t>(length / kSector, 64);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!ReadSector(image, static_cast<std::uint64_t>(location) + i, sector)) {
            return std::nullopt;
        }
        const std::uint16_t tag = Le16(sector, 0);
        if (tag == 8) {
            break;  // terminating descriptor
        }
        if (tag != 6) {
            continue;
        }
        const unsigned char* dstring = sector.data() + 84;
        const std::size_t used = dstring[127];
        if (used < 1 || used > 127) {
            return std::string();
        }
        const unsigned char compression = dstring[0];
        if (compression == 8) {
            return TrimRight(FromLatin1(dstring + 1, used - 1));
        }
        if (compression == 16) {
            return TrimRight(FromUcs2(dstring + 1, used - 1));
        }
        return std::nullopt;
    }
    return std::nullopt;
}

bool IsJoliet(const Sector& s) {
    return s[88] == '%' && s[89] == '/' && (s[90] == '@' || s[90] == 'C' || s[90] == 'E');
}

// ISO 9660: volume descriptors from sector 16 on, "CD001" in each, until the terminator (255).
std::optional<std::string> IsoLabel(std::istream& image) {
    std::optional<std::string> primary;
    std::optional<std::string> joliet;
    Sector sector{};
    for (std::uint64_t number = 16; number < 16 + 32; ++number) {
        if (!ReadSector(image, number, sector)) {
            break;
        }
        if (sector[1] != 'C' || sector[2] != 'D' || sector[3] != '0' || sector[4] != '0' ||
            sector[5] != '1') {
            break;
        }
        const unsigned char type = sector[0];
        if (type == 255) {
            break;
        }
        if (type == 1 && !primary) {
            primary = TrimRight(FromLatin1(sector.data() + 40, 32));
        } else if (type == 2 && IsJoliet(sector) && !joliet) {
            joliet = TrimRight(FromUcs2(sector.data() + 40, 32));
        }
    }
    if (joliet && !joliet->empty()) {
        return joliet;
    }
    return primary;
}

}  // namespace

std::optional<std::string> ReadVolumeLabel(std::istream& image) {
    if (auto label = UdfLabel(image)) {
        return label;
    }
    return IsoLabel(image);
}

std::optional<std::string> ReadVolumeLabel(const std::filesystem::path& device) {
    std::ifstream image(device, std::ios::binary);
    if (!image) {
        return std::nullopt;
    }
    return ReadVolumeLabel(image);
}

}  // namespace morvane
