#include "platform/png_encoder.h"

#include <zlib.h>

#include <array>
#include <stdexcept>

namespace morvane {
namespace {

void PutUint32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

// A chunk: its length, its type and data, and the CRC of type and data.
void PutChunk(std::string& out, const char (&type)[5], const std::string& data) {
    PutUint32(out, static_cast<uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* crc_from = reinterpret_cast<const Bytef*>(out.data() + start);
    PutUint32(out, static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), crc_from,
                                               static_cast<uInt>(out.size() - start))));
}

std::string Deflate(const std::string& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("zlib could not compress a picture");
    }
    packed.resize(size);
    return packed;
}

}  // namespace

std::string EncodePng(int width, int height, std::span<const uint32_t> argb) {
    if (width <= 0 || height <= 0 ||
        argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        throw std::invalid_argument("a picture's pixels do not match its size");
    }
    std::string out = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutUint32(header, static_cast<uint32_t>(width));
    PutUint32(header, static_cast<uint32_t>(height));
    // 8 bits per channel, colour type 6 (RGBA), deflate, no filter method, not interlaced.
    header += std::string("\x08\x06\x00\x00\x00", 5);
    PutChunk(out, "IHDR", header);

    // Every row starts with filter type 0: small pictures compress well enough without filters.
    std::string raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + static_cast<std::size_t>(width) * 4));
    for (int y = 0; y < height; ++y) {
        raw.push_back('\0');
        for (int x = 0; x < width; ++x) {
            const uint32_t p = argb[static_cast<std::size_t>(y) * width + x];
            for (const int shift : std::array{16, 8, 0, 24}) {
                raw.push_back(static_cast<char>((p >> shift) & 0xFF));
            }
        }
    }
    PutChunk(out, "IDAT", Deflate(raw));
    PutChunk(out, "IEND", "");
    return out;
}

}  // namespace morvane
