#include "media/music_check.h"

#include <gtest/gtest.h>

#include <string>

#include "base/runtime_error.h"
#include "broken_music.h"
#include "media/headless_music_device.h"
#include "support/music_files.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

TEST(MusicCheck, WellFormedMidiPlays) {
    EXPECT_EQ(CheckMidi(testing::OneNoteMidi()), MusicCheck::kPlayable);
    // Running status, a text event, a system-exclusive message, no end-of-track event.
    const std::string events = std::string("\x00\xFF\x01\x02hi", 6) +
                               std::string("\x00\xF0\x03\x7E\x7F\xF7", 6) +
                               std::string("\x00\x90\x3C\x40\x30\x3E\x40\x30\x3C\x00", 10);
    EXPECT_EQ(CheckMidi(testing::MidiFile(testing::MidiTrack(events, false))),
              MusicCheck::kPlayable);
    // A chunk of an unknown kind between the tracks is skipped.
    std::string with_extra = testing::OneNoteMidi();
    with_extra.insert(14, std::string("XTRA\0\0\0\x02zz", 10));
    EXPECT_EQ(CheckMidi(with_extra), MusicCheck::kPlayable);
}

TEST(MusicCheck, EveryKindOfBrokenMidiIsRefused) {
    for (const auto& [what, bytes] : testing::BrokenMidiFiles()) {
        EXPECT_EQ(CheckMidi(bytes), MusicCheck::kBroken) << what;
    }
}

TEST(MusicCheck, MidiThatLastsNoTimeIsSilent) {
    EXPECT_EQ(CheckMidi(testing::ZeroLengthMidi()), MusicCheck::kSilent);
    EXPECT_EQ(CheckMidi(testing::MidiFile(testing::MidiTrack(""))), MusicCheck::kSilent);
}

TEST(MusicCheck, Mp3NeedsTwoFramesInARowOrOneThatEndsTheFile) {
    EXPECT_EQ(CheckMp3(testing::SilentMp3(4)), MusicCheck::kPlayable);
    EXPECT_EQ(CheckMp3(testing::SilentMp3(1)), MusicCheck::kPlayable);
    EXPECT_EQ(CheckMp3(testing::SilentMp3(1) + "TAG" + std::string(125, ' ')),
              MusicCheck::kPlayable);
    const std::string tag = std::string("ID3\x03\x00\x00\x00\x00\x00\x05", 10) + "12345";
    EXPECT_EQ(CheckMp3(tag + testing::SilentMp3(2)), MusicCheck::kPlayable);

    const std::string two = testing::SilentMp3(2);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case broken[] = {
        {"empty", ""},
        {"a bare tag", tag},
        {"zeros", std::string(1000, '\0')},
        {"truncated second frame", two.substr(0, 420)},
        {"stray sync", std::string("\xFF\xFB\x90\x00", 4) + std::string(600, 'x')},
        {"reserved version", std::string("\xFF\xEB\x90\x00", 4) + two.substr(4)},
        {"free bitrate", std::string("\xFF\xFB\x00\x00", 4) + two.substr(4)},
        {"bad sample rate", std::string("\xFF\xFB\x9C\x00", 4) + two.substr(4)},
        {"tag size not syncsafe", std::string("ID3\x03\x00\x00\x00\x00\x80\x00", 10) + two},
        {"tag larger than the file", std::string("ID3\x03\x00\x00\x7F\x7F\x7F\x7F", 10) + two},
    };
    for (const Case& c : broken) {
        EXPECT_EQ(CheckMp3(c.bytes), MusicCheck::kBroken) << c.what;
    }
}

// The headless device refuses what the real one would: the same message and silence, with and
// without a window.
TEST(MusicCheck, TheHeadlessDeviceRefusesBrokenMusicAndPlaysSilentMusicAsNothing) {
    testing::TempFolder folder;
    HeadlessMusicDevice music;
    for (const auto& [what, bytes] : testing::BrokenMidiFiles()) {
        int number = 0;
        try {
            music.PlayMidi("bad.mid", folder.Write("bad.mid", bytes), 0);
        } catch (const RuntimeError& error) {
            number = error.Number();
        }
        EXPECT_EQ(number, 321) << what;
        EXPECT_EQ(music.PlayingMidi(), std::nullopt) << what;
    }
    music.PlayMidi("none.mid", folder.Write("none.mid", testing::ZeroLengthMidi()), 0);
    EXPECT_EQ(music.PlayingMidi(), std::nullopt);
    music.PlayMp3("song.mp3", folder.Write("song.mp3", testing::SilentMp3()), 0, 0);
    EXPECT_EQ(music.PlayingMp3(), "song.mp3");
    EXPECT_THROW(music.PlayMp3("bad.mp3", folder.Write("bad.mp3", "ID3"), 0, 0), RuntimeError);
    EXPECT_EQ(music.PlayingMp3(), std::nullopt);
}

}  // namespace
}  // namespace morvane
