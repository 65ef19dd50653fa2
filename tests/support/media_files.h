#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane::testing {

// Little-endian fields and RIFF chunks, for the WAV and AVI files the tests write.
inline std::string U32(uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

inline std::string U16(uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

// A chunk with its stated size and the pad byte an odd size needs.
inline std::string Chunk(std::string_view id, std::string_view data) {
    std::string chunk =
        std::string(id) + U32(static_cast<uint32_t>(data.size())) + std::string(data);
    if (data.size() % 2 != 0) {
        chunk += '\0';
    }
    return chunk;
}

inline std::string List(std::string_view type, std::string_view chunks) {
    return Chunk("LIST", std::string(type) + std::string(chunks));
}

inline std::string Riff(std::string_view form, std::string_view chunks) {
    return Chunk("RIFF", std::string(form) + std::string(chunks));
}

struct WavFormat {
    uint16_t tag = 1;  // 1 PCM, 2 MS ADPCM, 0x11 IMA ADPCM
    uint16_t channels = 1;
    uint32_t sample_rate = 8000;
    uint32_t bytes_per_second = 8000;
    uint16_t block_align = 1;
    uint16_t bits = 8;
};

inline std::string FormatChunk(const WavFormat& format) {
    return Chunk("fmt ", U16(format.tag) + U16(format.channels) + U32(format.sample_rate) +
                             U32(format.bytes_per_second) + U16(format.block_align) +
                             U16(format.bits));
}

// A WAV file whose data chunk holds `data_bytes` bytes of silence.
inline std::string Wav(const WavFormat& format, uint32_t data_bytes) {
    return Riff("WAVE", FormatChunk(format) + Chunk("data", std::string(data_bytes, '\x80')));
}

// Silence as 8-bit mono PCM at 8000 Hz, 8 bytes a millisecond: a sound of known length.
inline std::string SilentWav(int milliseconds = 1000) {
    return Wav({}, static_cast<uint32_t>(milliseconds) * 8);
}

struct AviHeader {
    uint32_t micro_seconds_per_frame = 66667;
    uint32_t total_frames = 15;
    uint32_t width = 320;
    uint32_t height = 240;
};

// The main header of an AVI, with its other fields zero.
inline std::string MainHeader(const AviHeader& header) {
    std::string fields = U32(header.micro_seconds_per_frame) + U32(0) + U32(0) + U32(0) +
                         U32(header.total_frames) + U32(0) + U32(1) + U32(0) + U32(header.width) +
                         U32(header.height);
    fields += std::string(16, '\0');
    return Chunk("avih", fields);
}

// A minimal AVI: the header list with its main header and an empty movie list.
inline std::string Avi(const AviHeader& header) {
    return Riff("AVI ", List("hdrl", MainHeader(header)) + List("movi", ""));
}

}  // namespace morvane::testing
