#include "media/music_check.h"

#include "media/media_errors.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

namespace morvane {
namespace {

// Standard MIDI files are small; anything far larger is not one.
constexpr std::size_t kLargestMidi = 16 * 1024 * 1024;
// Enough of an MP3 for its first two frames (the longest frame is under 3 KB).
constexpr std::size_t kFirstFrames = 8 * 1024;

uint32_t BigEndian(std::string_view bytes, std::size_t at, int count) {
    uint32_t value = 0;
    for (int n = 0; n < count; ++n) {
        value = (value << 8) | static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(n)]);
    }
    return value;
}

// Reads the events of one track chunk; its length in ticks, or nothing when broken.
std::optional<uint64_t> TrackTicks(std::string_view track) {
    std::size_t at = 0;
    uint64_t ticks = 0;
    int running = 0;
    auto variable = [&]() -> std::optional<uint32_t> {
        uint32_t value = 0;
        for (int n = 0; n < 4; ++n) {
            if (at >= track.size()) {
                return std::nullopt;
            }
            const auto byte = static_cast<uint8_t>(track[at++]);
            value = (value << 7) | (byte & 0x7Fu);
            if ((byte & 0x80u) == 0) {
                return value;
            }
        }
        return std::nullopt;  // longer than the four bytes a quantity may take
    };
    while (at < track.size()) {
        const auto delta = variable();
        if (!delta || at >= track.size()) {
            return std::nullopt;
        }
        ticks += *delta;
        int status = static_cast<uint8_t>(track[at]);
        if (status >= 0x80) {
            ++at;
        } else if (running != 0) {
            status = running;
        } else {
            return std::nullopt;  // a data byte with no status to run on
        }
        if (status == 0xFF) {
            if (at >= track.size()) {
                return std::nullopt;
            }
            const int type = static_cast<uint8_t>(track[at++]);
            const auto length = variable();
            if (!length || *length > track.size() - at) {
                return std::nullopt;
            }
            if (type == 0x51 && (*length != 3 || BigEndian(track, at, 3) == 0)) {
                return std::nullopt;  // a tempo of zero would make the music last no time
            }
            at += *length;
            if (type == 0x2F) {
                return ticks;  // the end of the track; anything after it is ignored
            }
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            const auto length = variable();
            if (!length || *length > track.size() - at) {
                return std::nullopt;
            }
            at += *length;
            running = 0;
            continue;
        }
        if (status > 0xF0) {
            return std::nullopt;  // real-time and common messages do not belong in a file
        }
        running = status;
        const std::size_t data = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        if (data > track.size() - at) {
            return std::nullopt;
        }
        for (std::size_t n = 0; n < data; ++n) {
            if (static_cast<uint8_t>(track[at++]) >= 0x80) {
                return std::nullopt;
            }
        }
    }
    return ticks;  // no end-of-track event, but every event whole
}

struct Mp3Frame {
    int version = 0;  // 1, 2, or 25
    int layer = 0;
    int sample_rate = 0;
    std::size_t length = 0;
};

std::optional<Mp3Frame> Mp3Header(std::string_view bytes, std::size_t at) {
    if (at + 4 > bytes.size()) {
        return std::nullopt;
    }
    const auto b0 = static_cast<uint8_t>(bytes[at]);
    const auto b1 = static_cast<uint8_t>(bytes[at + 1]);
    const auto b2 = static_cast<uint8_t>(bytes[at + 2]);
    if (b0 != 0xFF || (b1 & 0xE0) != 0xE0) {
        return std::nullopt;
    }
    const int version_bits = (b1 >> 3) & 3;
    const int layer_bits = (b1 >> 1) & 3;
    const int bitrate_index = b2 >> 4;
    const int rate_index = (b2 >> 2) & 3;
    if (version_bits == 1 || layer_bits == 0 || bitrate_index == 0 || bitrate_index == 15 ||
        rate_index == 3) {
        return std::nullopt;  // reserved values, or a free bitrate whose frames cannot be found
    }
    Mp3Frame frame;
    frame.version = version_bits == 3 ? 1 : version_bits == 2 ? 2 : 25;
    frame.layer = 4 - layer_bits;
    static constexpr std::array<std::array<int, 15>, 5> kBitrates{{
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
    }};
    static constexpr std::array<int, 3> kRates{44100, 48000, 32000};
    const std::size_t table = frame.version == 1 ? static_cast<std::size_t>(frame.layer - 1)
                              : frame.layer == 1 ? 3
                                                 : 4;
    const long bitrate = kBitrates[table][static_cast<std::size_t>(bitrate_index)] * 1000L;
    const int divisor = frame.version == 1 ? 1 : frame.version == 2 ? 2 : 4;
    frame.sample_rate = kRates[static_cast<std::size_t>(rate_index)] / divisor;
    const long padding = (b2 >> 1) & 1;
    long length = 0;
    if (frame.layer == 1) {
        length = (12 * bitrate / frame.sample_rate + padding) * 4;
    } else if (frame.layer == 3 && frame.version != 1) {
        length = 72 * bitrate / frame.sample_rate + padding;
    } else {
        length = 144 * bitrate / frame.sample_rate + padding;
    }
    frame.length = static_cast<std::size_t>(length);
    return frame;
}

// Up to `limit` bytes from `offset` on.
std::string ReadPart(const std::filesystem::path& file, std::size_t offset, std::size_t limit) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size <= offset) {
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::string bytes(std::min<std::uintmax_t>(size - offset, limit), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

// Where the audio of an MP3 begins: after its ID3v2 tag, if it has one; nothing for a tag
// whose size is malformed.
std::optional<std::size_t> AudioStart(std::string_view bytes) {
    if (bytes.size() < 10 || bytes.substr(0, 3) != "ID3") {
        return 0;
    }
    uint32_t size = 0;
    for (std::size_t n = 6; n < 10; ++n) {
        const auto byte = static_cast<uint8_t>(bytes[n]);
        if (byte >= 0x80) {
            return std::nullopt;
        }
        size = (size << 7) | byte;
    }
    const bool footer = (static_cast<uint8_t>(bytes[5]) & 0x10) != 0;
    return 10 + static_cast<std::size_t>(size) + (footer ? 10 : 0);
}

// Two frames in a row with the same layout, or one frame that ends the file (or its ID3v1
// tag): a stray sync pattern in random bytes is not an MP3. `bytes` start at the first frame.
MusicCheck CheckFrames(std::string_view bytes) {
    const auto first = Mp3Header(bytes, 0);
    if (!first) {
        return MusicCheck::kBroken;
    }
    const std::size_t next = first->length;
    if (next == bytes.size() || (next + 128 == bytes.size() && bytes.substr(next, 3) == "TAG")) {
        return MusicCheck::kPlayable;
    }
    const auto second = Mp3Header(bytes, next);
    if (!second || second->version != first->version || second->layer != first->layer ||
        second->sample_rate != first->sample_rate) {
        return MusicCheck::kBroken;
    }
    return MusicCheck::kPlayable;
}

}  // namespace

MusicCheck CheckMidi(std::string_view bytes) {
    if (bytes.size() < 14 || bytes.substr(0, 4) != "MThd" || BigEndian(bytes, 4, 4) < 6 ||
        BigEndian(bytes, 4, 4) > bytes.size() - 8) {
        return MusicCheck::kBroken;
    }
    const uint32_t format = BigEndian(bytes, 8, 2);
    const uint32_t tracks = BigEndian(bytes, 10, 2);
    const uint32_t division = BigEndian(bytes, 12, 2);
    if (format > 2 || tracks == 0 || (format == 0 && tracks != 1) || division == 0) {
        return MusicCheck::kBroken;
    }
    if ((division & 0x8000u) != 0) {
        const int fps = -static_cast<int8_t>(division >> 8);
        if ((fps != 24 && fps != 25 && fps != 29 && fps != 30) || (division & 0xFFu) == 0) {
            return MusicCheck::kBroken;
        }
    }
    std::size_t at = 8 + BigEndian(bytes, 4, 4);
    uint32_t found = 0;
    uint64_t longest = 0;
    while (found < tracks) {
        if (bytes.size() - at < 8) {
            return MusicCheck::kBroken;  // a declared track is missing
        }
        const uint32_t length = BigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8) {
            return MusicCheck::kBroken;  // a chunk that runs past the end of the file
        }
        const std::string_view body = bytes.substr(at + 8, length);
        if (bytes.substr(at, 4) == "MTrk") {
            const auto ticks = TrackTicks(body);
            if (!ticks) {
                return MusicCheck::kBroken;
            }
            longest = std::max(longest, *ticks);
            ++found;
        }
        at += 8 + length;
    }
    return longest == 0 ? MusicCheck::kSilent : MusicCheck::kPlayable;
}

MusicCheck CheckMp3(std::string_view bytes) {
    const auto start = AudioStart(bytes);
    if (!start || *start >= bytes.size()) {
        return MusicCheck::kBroken;
    }
    return CheckFrames(bytes.substr(*start));
}

MusicCheck CheckMidiFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::file_size(file, ec) > kLargestMidi || ec) {
        return MusicCheck::kBroken;
    }
    return CheckMidi(ReadPart(file, 0, kLargestMidi));
}

MusicCheck CheckMp3File(const std::filesystem::path& file) {
    const auto start = AudioStart(ReadPart(file, 0, 10));
    if (!start) {
        return MusicCheck::kBroken;
    }
    const std::string frames = ReadPart(file, *start, kFirstFrames);
    return frames.empty() ? MusicCheck::kBroken : CheckFrames(frames);
}

namespace {

bool RequirePlayable(MusicCheck check) {
    if (check == MusicCheck::kBroken) {
        RaiseInvalidFileFormat();
    }
    return check == MusicCheck::kPlayable;
}

}  // namespace

bool RequirePlayableMidi(const std::filesystem::path& file) {
    RequireMediaFile(file);
    return RequirePlayable(CheckMidiFile(file));
}

bool RequirePlayableMp3(const std::filesystem::path& file) {
    RequireMediaFile(file);
    return RequirePlayable(CheckMp3File(file));
}

}  // namespace morvane
