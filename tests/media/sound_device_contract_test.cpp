#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "media/headless_sound_device.h"
#include "media/sdl/sdl_audio.h"
#include "media/sdl/sdl_sound_device.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "support/media_files.h"
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::ErrorNumberOf;

// The bookkeeping device of headless runs on the virtual clock.
struct HeadlessSound {
    VirtualClock clock;
    EventLoop loop{clock};
    HeadlessSoundDevice device{loop};
};

// SDL_mixer's channels on SDL's dummy driver, which mixes in real time without a sound card.
struct SdlSound {
    SystemClock clock;
    EventLoop loop{clock};
    SdlAudio audio;
    SdlSoundDevice device{loop, audio};
};

// What every sound device does, whichever the run has.
template <typename Devices>
class SoundDeviceContract : public ::testing::Test {
  protected:
    std::filesystem::path Sound(const std::string& name, int milliseconds) {
        return folder_.Write(name, testing::SilentWav(milliseconds));
    }

    testing::TempFolder folder_;
    Devices devices_;
    EventLoop& loop_ = devices_.loop;
    SoundDevice& device_ = devices_.device;
};

using SoundDevices = ::testing::Types<HeadlessSound, SdlSound>;
TYPED_TEST_SUITE(SoundDeviceContract, SoundDevices);

TYPED_TEST(SoundDeviceContract, ChannelsPlayStopAndReplaceTheirSounds) {
    SoundDevice& device = this->device_;
    device.Play(3, "long.wav", this->Sound("long.wav", 60'000), false);
    device.SetPan(3, -600);
    device.SetVolume(3, -1200);
    device.Play(19, "loop.wav", this->Sound("loop.wav", 100), true);
    EXPECT_EQ(device.Playing(3), "long.wav");
    EXPECT_EQ(device.Playing(19), "loop.wav");
    EXPECT_EQ(device.Playing(4), std::nullopt);

    // A looping sound plays on past its length.
    this->loop_.PassTime(300);
    EXPECT_EQ(device.Playing(19), "loop.wav");

    device.Play(3, "other.wav", this->Sound("other.wav", 60'000), false);
    EXPECT_EQ(device.Playing(3), "other.wav");
    // Stopping a silent channel, or one outside the plan, is harmless.
    device.Stop(3);
    device.Stop(3);
    device.Stop(0);
    device.Stop(21);
    EXPECT_EQ(device.Playing(3), std::nullopt);
    EXPECT_EQ(device.Playing(19), "loop.wav");
}

TYPED_TEST(SoundDeviceContract, SoundsThatCannotPlayRaiseAndLeaveTheChannelAsItWas) {
    SoundDevice& device = this->device_;
    testing::TempFolder& folder = this->folder_;
    device.Play(1, "long.wav", this->Sound("long.wav", 60'000), false);
    EXPECT_EQ(ErrorNumberOf([&] { device.Play(1, "x.wav", folder.Path() / "x.wav", false); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] {
                  device.Play(1, "bad.wav", folder.Write("bad.wav", "not a sound"), false);
              }),
              321);
    EXPECT_EQ(
        ErrorNumberOf([&] { device.Play(1, "cut.wav", folder.Write("cut.wav", "RIFFxx"), false); }),
        321);
    EXPECT_EQ(device.Playing(1), "long.wav");

    // The channels are 1 to 20.
    const auto file = this->Sound("a.wav", 10);
    EXPECT_EQ(ErrorNumberOf([&] { device.Play(0, "a.wav", file, false); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { device.Play(21, "a.wav", file, false); }), 5);
    EXPECT_EQ(device.Playing(0), std::nullopt);
    EXPECT_EQ(device.Playing(21), std::nullopt);
}

TYPED_TEST(SoundDeviceContract, AWaitForASoundEndsWhenTheSoundDoes) {
    this->device_.Play(2, "short.wav", this->Sound("short.wav", 30), false);
    EXPECT_TRUE(this->loop_.WaitUntil([&] { return !this->device_.Playing(2); }, 10'000));
}

TYPED_TEST(SoundDeviceContract, AReleasedDeviceIsSilentAndIgnoresLaterCalls) {
    SoundDevice& device = this->device_;
    device.Play(18, "click.wav", this->Sound("click.wav", 100), true);
    device.Release();
    EXPECT_EQ(device.Playing(18), std::nullopt);
    device.Play(18, "click.wav", this->Sound("click.wav", 100), true);
    EXPECT_EQ(device.Playing(18), std::nullopt);
    device.Release();
}

}  // namespace
}  // namespace morvane
