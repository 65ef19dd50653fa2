#pragma once

#include <filesystem>
#include <string_view>

namespace morvane {

// What a music file holds, as far as can be told before a synthesizer or decoder sees it.
enum class MusicCheck {
    kPlayable,
    // Well formed but lasting no time at all: there is nothing to play, and looping it would
    // spin the mixer.
    kSilent,
    // Broken: the synthesizer could hang or complain on every buffer.
    kBroken,
};

// A standard MIDI file: the header chunk, every declared track chunk inside the file, events
// that parse to each track's end (running status, meta and system-exclusive lengths, data
// bytes below 128), a tempo above zero.
MusicCheck CheckMidi(std::string_view bytes);

// An MP3: an optional ID3v2 tag, then MPEG audio frames whose headers are valid and follow one
// another (or end the file).
MusicCheck CheckMp3(std::string_view bytes);

// Read the file and check it. How much is read is bounded: an MP3's first frames need only its
// start.
MusicCheck CheckMidiFile(const std::filesystem::path& file);
MusicCheck CheckMp3File(const std::filesystem::path& file);

// What a music device does before it plays: error 53 for a missing file, 321 for a broken one,
// and false for one that lasts no time, which plays as silence.
bool RequirePlayableMidi(const std::filesystem::path& file);
bool RequirePlayableMp3(const std::filesystem::path& file);

}  // namespace morvane
