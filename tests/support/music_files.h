#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane::testing {

// A track chunk around `events` (delta times included), ending with the end-of-track event.
inline std::string MidiTrack(std::string_view events, bool end_of_track = true) {
    std::string body(events);
    if (end_of_track) {
        body += std::string("\x00\xFF\x2F\x00", 4);
    }
    std::string chunk = "MTrk";
    for (int shift = 24; shift >= 0; shift -= 8) {
        chunk += static_cast<char>((body.size() >> shift) & 0xFF);
    }
    return chunk + body;
}

// A standard MIDI file of type 0 at 96 ticks a quarter around one track chunk.
inline std::string MidiFile(std::string_view track_chunk) {
    return std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + std::string(track_chunk);
}

// One middle C lasting a quarter.
inline std::string OneNoteMidi() {
    return MidiFile(MidiTrack(std::string("\x00\x90\x3C\x40\x60\x80\x3C\x40", 8)));
}

// `frames` silent MPEG-1 layer III frames at 128 kbit/s, 44.1 kHz: 417 bytes each.
inline std::string SilentMp3(int frames = 4) {
    std::string frame("\xFF\xFB\x90\x00", 4);
    frame.resize(417, '\0');
    std::string file;
    for (int n = 0; n < frames; ++n) {
        file += frame;
    }
    return file;
}

// Music a file of this name can hold: a MIDI file, an MP3, or nothing for other names.
inline std::string MusicFor(std::string_view name) {
    if (name.ends_with(".mid")) {
        return OneNoteMidi();
    }
    if (name.ends_with(".mp3")) {
        return SilentMp3();
    }
    return {};
}

}  // namespace morvane::testing
