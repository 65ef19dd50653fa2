#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/runtime_error.h"
#include "media/sdl/sdl_audio.h"
#include "media/sdl/sdl_music_device.h"
#include "media/sdl/sdl_sound_device.h"
#include "media_test_files.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

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

// The real devices on SDL's dummy audio driver, which mixes in real time without a sound card.
class SdlDevicesTest : public ::testing::Test {
  protected:
    std::filesystem::path Sound(const std::string& name, int milliseconds) {
        return folder_.Write(
            name, testing::Wav({1, 1, 8000, 8000, 1, 8}, static_cast<uint32_t>(milliseconds * 8)));
    }

    testing::TempFolder folder_;
    SystemClock clock_;
    EventLoop loop_{clock_};
    SdlAudio audio_;
};

TEST_F(SdlDevicesTest, ChannelsPlayStopAndReplaceTheirSounds) {
    SdlSoundDevice device(loop_, audio_);
    device.Play(3, "long.wav", Sound("long.wav", 60'000), false);
    device.SetPan(3, -600);
    device.SetVolume(3, -1200);
    device.Play(19, "loop.wav", Sound("loop.wav", 100), true);
    EXPECT_EQ(device.Playing(3), "long.wav");
    EXPECT_EQ(device.Playing(19), "loop.wav");
    EXPECT_EQ(device.Playing(4), std::nullopt);

    device.Play(3, "other.wav", Sound("other.wav", 60'000), false);
    EXPECT_EQ(device.Playing(3), "other.wav");
    device.Stop(3);
    device.Stop(3);
    EXPECT_EQ(device.Playing(3), std::nullopt);
    EXPECT_EQ(device.Playing(19), "loop.wav");

    device.Release();
    EXPECT_EQ(device.Playing(19), std::nullopt);
}

TEST_F(SdlDevicesTest, SoundsThatCannotPlayRaiseAndLeaveTheChannel) {
    SdlSoundDevice device(loop_, audio_);
    device.Play(1, "long.wav", Sound("long.wav", 60'000), false);
    EXPECT_EQ(ErrorNumberOf([&] { device.Play(1, "x.wav", folder_.Path() / "x.wav", false); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] {
                  device.Play(1, "bad.wav", folder_.Write("bad.wav", "not a sound"), false);
              }),
              321);
    EXPECT_EQ(ErrorNumberOf([&] { device.Play(21, "long.wav", Sound("long.wav", 10), false); }), 5);
    EXPECT_EQ(device.Playing(1), "long.wav");
}

TEST_F(SdlDevicesTest, AWaitForASoundEndsWhenTheMixerIsDone) {
    SdlSoundDevice device(loop_, audio_);
    device.Play(2, "short.wav", Sound("short.wav", 30), false);
    EXPECT_TRUE(loop_.WaitUntil([&] { return !device.Playing(2); }, 10'000));
}

TEST_F(SdlDevicesTest, MidiLoopsUntilStoppedAndStartingMp3EndsIt) {
    if (!std::filesystem::exists(SdlMusicDevice::kDefaultSoundFont)) {
        GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    SdlMusicDevice music(audio_);
    music.PlayMidi("theme.mid", folder_.Write("theme.mid", OneNoteMidi()), -600);
    EXPECT_EQ(music.PlayingMidi(), "theme.mid");
    EXPECT_EQ(music.PlayingMp3(), std::nullopt);
    music.SetMidiVolume(0);
    music.StopMp3();
    EXPECT_EQ(music.PlayingMidi(), "theme.mid");
    music.StopMidi();
    EXPECT_EQ(music.PlayingMidi(), std::nullopt);

    music.PlayMidi("theme.mid", folder_.Path() / "theme.mid", 0);
    EXPECT_EQ(ErrorNumberOf([&] { music.PlayMp3("song.mp3", folder_.Path() / "song.mp3", 0, 0); }),
              53);
    EXPECT_EQ(music.PlayingMidi(), std::nullopt);
}

TEST_F(SdlDevicesTest, MusicThatCannotPlayRaises) {
    SdlMusicDevice music(audio_);
    EXPECT_EQ(ErrorNumberOf([&] { music.PlayMidi("x.mid", folder_.Path() / "x.mid", 0); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] {
                  music.PlayMp3("bad.mp3", folder_.Write("bad.mp3", std::string(64, '\0')), 0, 0);
              }),
              321);
    EXPECT_EQ(music.PlayingMp3(), std::nullopt);
    EXPECT_TRUE(music.TerminateMp3());
}

}  // namespace
}  // namespace morvane
