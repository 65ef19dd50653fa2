#pragma once

#include <string>
#include <vector>

#include "support/music_files.h"

namespace morvane::testing {

// Every kind of broken MIDI file a game folder might hold, named for what is wrong with it.
struct BrokenMusic {
    std::string what;
    std::string bytes;
};

inline std::vector<BrokenMusic> BrokenMidiFiles() {
    const std::string note = std::string("\x00\x90\x3C\x40\x60\x80\x3C\x40", 8);
    const std::string whole = OneNoteMidi();
    std::string long_track = OneNoteMidi();
    long_track[21] = '\x7F';  // the track chunk claims far more bytes than the file holds
    std::string two_tracks_declared = OneNoteMidi();
    two_tracks_declared[9] = 1;   // type 1
    two_tracks_declared[11] = 2;  // with a second track that is not there
    return {
        {"empty", ""},
        {"bare header", std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14)},
        {"random bytes", std::string("\x13\x9a\xf0\x42\x00\xff\x7e\x81\x33\x5c\xde\x01\x99\x27"
                                     "\xc4\x0b\x6d\xe2\x58\x90",
                                     20)},
        {"truncated", whole.substr(0, whole.size() - 5)},
        {"track longer than the file", long_track},
        {"declared track missing", two_tracks_declared},
        {"zero division", MidiFile(MidiTrack(note)).replace(12, 2, std::string(2, '\0'))},
        {"data byte without status", MidiFile(MidiTrack(std::string("\x00\x3C\x40", 3)))},
        {"data byte above 127", MidiFile(MidiTrack(std::string("\x00\x90\xBC\x40", 4)))},
        {"endless delta time", MidiFile(MidiTrack(std::string("\xFF\xFF\xFF\xFF\x7F", 5)))},
        {"meta event past the track",
         MidiFile(MidiTrack(std::string("\x00\xFF\x01\x40xx", 6), false))},
        {"tempo of zero",
         MidiFile(MidiTrack(std::string("\x00\xFF\x51\x03\x00\x00\x00", 7) + note))},
        {"system message in a track", MidiFile(MidiTrack(std::string("\x00\xF8", 2) + note))},
    };
}

// A well-formed MIDI file that lasts no time at all: every event at tick 0.
inline std::string ZeroLengthMidi() {
    return MidiFile(MidiTrack(std::string("\x00\x90\x3C\x40\x00\x80\x3C\x40", 8)));
}

}  // namespace morvane::testing
