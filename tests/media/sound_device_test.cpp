#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "media/headless_music_device.h"
#include "media/headless_sound_device.h"
#include "media/media_start.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/game_paths.h"
#include "support/media_files.h"
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::ErrorNumberOf;

// The bookkeeping device's timing and settings, on a game folder with sounds of known lengths.
// What every device does is in sound_device_contract_test.cpp.
class SoundDeviceTest : public ::testing::Test {
  protected:
    std::filesystem::path Sound(const std::string& name, int milliseconds) {
        return folder_.Write("resource/mmedia/" + name, testing::SilentWav(milliseconds));
    }

    std::optional<std::string> After(TimeMs ms, int channel) {
        loop_.PassTime(ms);
        return device_.Playing(channel);
    }

    testing::TempFolder folder_;
    VirtualClock clock_;
    EventLoop loop_{clock_};
    HeadlessSoundDevice device_{loop_};
};

TEST_F(SoundDeviceTest, ASoundPlaysForTheLengthOfItsFile) {
    device_.Play(3, "door.wav", Sound("door.wav", 1500), false);
    EXPECT_EQ(device_.Playing(3), "door.wav");
    EXPECT_EQ(After(1499, 3), "door.wav");
    EXPECT_EQ(After(1, 3), std::nullopt);
    EXPECT_EQ(device_.SoundOn(3), std::nullopt);
}

TEST_F(SoundDeviceTest, AnEngineWaitEndsWhenTheSoundDoes) {
    device_.Play(15, "talk.wav", Sound("talk.wav", 2400), false);
    const TimeMs start = clock_.Now();
    EXPECT_TRUE(loop_.WaitUntil([&] { return !device_.Playing(15); }, EventLoop::kUnbounded));
    EXPECT_EQ(clock_.Now() - start, 2400);
}

TEST_F(SoundDeviceTest, ANewSoundReplacesTheOldOneAndCountsFromItsOwnStart) {
    device_.Play(5, "long.wav", Sound("long.wav", 1000), false);
    loop_.PassTime(800);
    device_.Play(5, "short.wav", Sound("short.wav", 500), false);
    EXPECT_EQ(device_.Playing(5), "short.wav");
    // The first sound's end passes without ending the second.
    EXPECT_EQ(After(300, 5), "short.wav");
    EXPECT_EQ(After(200, 5), std::nullopt);

    device_.Play(5, "loop.wav", Sound("loop.wav", 100), true);
    device_.Play(5, "long.wav", Sound("long.wav", 1000), false);
    EXPECT_EQ(After(1000, 5), std::nullopt);
}

TEST_F(SoundDeviceTest, ChannelsKeepTheirOwnSoundsAndSettings) {
    device_.Play(1, "a.wav", Sound("a.wav", 300), false);
    device_.SetPan(1, -2000);
    device_.SetVolume(1, -600);
    device_.Play(20, "b.wav", Sound("b.wav", 900), false);
    EXPECT_EQ(device_.SoundOn(1)->pan, -2000);
    EXPECT_EQ(device_.SoundOn(1)->volume, -600);
    EXPECT_EQ(device_.SoundOn(20)->pan, 0);
    EXPECT_EQ(device_.SoundOn(20)->volume, 0);
    EXPECT_EQ(After(300, 1), std::nullopt);
    EXPECT_EQ(device_.Playing(20), "b.wav");

    // A new sound starts centred at full volume; a silent channel keeps no settings.
    device_.Play(1, "a.wav", Sound("a.wav", 300), false);
    EXPECT_EQ(device_.SoundOn(1)->pan, 0);
    device_.Stop(2);
    device_.SetVolume(2, -100);
    EXPECT_EQ(device_.SoundOn(2), std::nullopt);
}

TEST_F(SoundDeviceTest, AFileThatCannotPlayLeavesTheSoundBeforeItToEndOnTime) {
    device_.Play(4, "a.wav", Sound("a.wav", 1000), false);
    EXPECT_EQ(ErrorNumberOf([&] {
                  device_.Play(4, "gone.wav", folder_.Path() / "resource/mmedia/gone.wav", false);
              }),
              53);
    EXPECT_EQ(After(999, 4), "a.wav");
    EXPECT_EQ(After(1, 4), std::nullopt);
}

TEST_F(SoundDeviceTest, ZeroLengthSoundEndsOnTheLoop) {
    device_.Play(2, "empty.wav", Sound("empty.wav", 0), false);
    EXPECT_TRUE(loop_.WaitUntil([&] { return !device_.Playing(2); }, 10));
}

// The game's play operations through the trace and the game folder's paths.
class MediaStartTest : public SoundDeviceTest {
  protected:
    MediaStartTest() : trace_([this](const std::string& line) { lines_.push_back(line); }) {}

    GamePaths paths_{folder_.Path()};
    std::vector<std::string> lines_;
    MediaTrace trace_;
    HeadlessMusicDevice music_;
};

TEST_F(MediaStartTest, StartSoundTracesTheRequestAndSetsPanAndVolume) {
    Sound("Bell.wav", 700);
    StartSound(device_, trace_, paths_, 7, "bell.WAV", true, -300, -1200);
    EXPECT_EQ(device_.Playing(7), "bell.WAV");
    EXPECT_EQ(device_.SoundOn(7)->pan, -300);
    EXPECT_EQ(device_.SoundOn(7)->volume, -1200);
    EXPECT_TRUE(device_.SoundOn(7)->looping);
    StartSound(device_, trace_, paths_, 19, "Bell.wav", false, 0, 0);
    EXPECT_EQ(lines_, (std::vector<std::string>{
                          "media: sound 7 bell.WAV loop=True pan=-300 vol=-1200",
                          "media: sound 19 Bell.wav loop=False pan=0 vol=0",
                      }));
}

TEST_F(MediaStartTest, AMissingSoundIsTracedAndRaisesFileNotFound) {
    EXPECT_EQ(
        ErrorNumberOf([&] { StartSound(device_, trace_, paths_, 3, "nope.wav", false, 0, 0); }),
        53);
    EXPECT_EQ(ErrorNumberOf([&] { StartSound(device_, trace_, paths_, 3, "", false, 0, 0); }), 53);
    // A name may not lead out of the media folder's game.
    folder_.Write("outside.wav", testing::Wav({}, 8));
    EXPECT_EQ(ErrorNumberOf([&] {
                  StartSound(device_, trace_, paths_, 3, "..\\..\\..\\outside.wav", false, 0, 0);
              }),
              53);
    ASSERT_EQ(lines_.size(), 3u);
    EXPECT_EQ(lines_[0], "media: sound 3 nope.wav loop=False pan=0 vol=0");
    EXPECT_EQ(device_.Playing(3), std::nullopt);
}

TEST_F(MediaStartTest, MusicLoopsUntilStoppedWithItsLevels) {
    folder_.Write("resource/mmedia/theme.mid", "MThd");
    folder_.Write("resource/mmedia/song.mp3", "ID3");
    StartMidi(music_, trace_, paths_, "theme.mid", -1500);
    StartMp3(music_, trace_, paths_, "song.mp3", -200, 300);
    loop_.PassTime(3'600'000);
    EXPECT_EQ(music_.PlayingMidi(), "theme.mid");
    EXPECT_EQ(music_.PlayingMp3(), "song.mp3");
    music_.SetMidiVolume(-100);
    music_.SetMp3Volume(-50);
    EXPECT_EQ(music_.Midi()->volume, -100);
    EXPECT_EQ(music_.Mp3()->volume, -50);
    EXPECT_EQ(music_.Mp3()->balance, 300);
    EXPECT_EQ(lines_, (std::vector<std::string>{"media: midi theme.mid vol=-1500",
                                                "media: mp3 song.mp3 vol=-200 bal=300"}));
    music_.StopMidi();
    EXPECT_TRUE(music_.TerminateMp3());
    EXPECT_EQ(music_.PlayingMidi(), std::nullopt);
    EXPECT_EQ(music_.PlayingMp3(), std::nullopt);
    // Level changes with nothing playing are harmless and start nothing.
    music_.SetMidiVolume(0);
    music_.SetMp3Volume(0);
    EXPECT_EQ(music_.Midi(), std::nullopt);
}

TEST(MediaTraceTest, WithoutASinkNothingIsWritten) {
    const MediaTrace trace;
    EXPECT_FALSE(trace.Enabled());
    trace.Sound(1, "a.wav", false, 0, 0);
    trace.Movie("a.avi", 0);
}

}  // namespace
}  // namespace morvane
