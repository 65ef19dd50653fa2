#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "media/headless_music_device.h"
#include "media/sdl/sdl_audio.h"
#include "media/sdl/sdl_music_device.h"
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::ErrorNumberOf;

// One note of a quarter at 96 ticks, as a type 0 MIDI file.
std::string OneNoteMidi() {
    const std::string track = std::string("\x00\x90\x3C\x40", 4) +
                              std::string("\x60\x80\x3C\x40", 4) +
                              std::string("\x00\xFF\x2F\x00", 4);
    std::string size;
    for (int shift = 24; shift >= 0; shift -= 8) {
        size += static_cast<char>((track.size() >> shift) & 0xFF);
    }
    return std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk" + size + track;
}

// The bookkeeping engines of headless runs.
struct HeadlessMusic {
    static bool PlaysMidi() { return true; }
    HeadlessMusicDevice device;
};

// SDL_mixer's music on SDL's dummy driver; MIDI needs a General MIDI soundfont.
struct SdlMusic {
    static bool PlaysMidi() { return std::filesystem::exists(SdlMusicDevice::kDefaultSoundFont); }
    SdlAudio audio;
    SdlMusicDevice device{audio};
};

// What every music device does, whichever the run has.
template <typename Devices>
class MusicDeviceContract : public ::testing::Test {
  protected:
    testing::TempFolder folder_;
    Devices devices_;
    MusicDevice& music_ = devices_.device;
};

using MusicDevices = ::testing::Types<HeadlessMusic, SdlMusic>;
TYPED_TEST_SUITE(MusicDeviceContract, MusicDevices);

TYPED_TEST(MusicDeviceContract, MidiPlaysUntilStopped) {
    if (!TypeParam::PlaysMidi()) {
        GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    MusicDevice& music = this->music_;
    music.PlayMidi("theme.mid", this->folder_.Write("theme.mid", OneNoteMidi()), -600);
    EXPECT_EQ(music.PlayingMidi(), "theme.mid");
    EXPECT_EQ(music.PlayingMp3(), std::nullopt);
    // Its level changes, and stopping the other engine leaves it alone.
    music.SetMidiVolume(0);
    music.StopMp3();
    EXPECT_EQ(music.PlayingMidi(), "theme.mid");
    music.StopMidi();
    EXPECT_EQ(music.PlayingMidi(), std::nullopt);
}

TYPED_TEST(MusicDeviceContract, MusicThatCannotStartRaisesAndLeavesItsEngineSilent) {
    MusicDevice& music = this->music_;
    const std::filesystem::path folder = this->folder_.Path();
    if (TypeParam::PlaysMidi()) {
        music.PlayMidi("theme.mid", this->folder_.Write("theme.mid", OneNoteMidi()), 0);
    }
    EXPECT_EQ(ErrorNumberOf([&] { music.PlayMidi("x.mid", folder / "x.mid", 0); }), 53);
    EXPECT_EQ(music.PlayingMidi(), std::nullopt);
    EXPECT_EQ(ErrorNumberOf([&] { music.PlayMp3("x.mp3", folder / "x.mp3", 0, 0); }), 53);
    EXPECT_EQ(music.PlayingMp3(), std::nullopt);
}

TYPED_TEST(MusicDeviceContract, LevelsWithNothingPlayingStartNothing) {
    MusicDevice& music = this->music_;
    music.SetMidiVolume(-100);
    music.SetMp3Volume(-100);
    music.StopMidi();
    music.StopMp3();
    EXPECT_EQ(music.PlayingMidi(), std::nullopt);
    EXPECT_EQ(music.PlayingMp3(), std::nullopt);
    EXPECT_TRUE(music.TerminateMp3());
    EXPECT_EQ(music.PlayingMp3(), std::nullopt);
}

// The mixer has one music stream: starting MP3 ends the MIDI, and a file that is not music is
// refused (the bookkeeping engines read no music files at all).
TEST(SdlMusicDeviceTest, OneStreamPlaysAtATimeAndDamagedFilesAreRefused) {
    testing::TempFolder folder;
    SdlMusic devices;
    SdlMusicDevice& music = devices.device;
    if (SdlMusic::PlaysMidi()) {
        music.PlayMidi("theme.mid", folder.Write("theme.mid", OneNoteMidi()), 0);
        EXPECT_EQ(ErrorNumberOf([&] { music.PlayMp3("x.mp3", folder.Path() / "x.mp3", 0, 0); }),
                  53);
        EXPECT_EQ(music.PlayingMidi(), std::nullopt);
    }
    EXPECT_EQ(ErrorNumberOf([&] {
                  music.PlayMp3("bad.mp3", folder.Write("bad.mp3", std::string(64, '\0')), 0, 0);
              }),
              321);
    EXPECT_EQ(music.PlayingMp3(), std::nullopt);
}

}  // namespace
}  // namespace morvane
