#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "media/sound_device.h"
#include "platform/timer.h"

namespace morvane {

class EventLoop;

// The sound channels of a run without audio: each channel keeps the bookkeeping a real one
// would, on the loop's clock. A sound plays for the length of its file (its WAV header says
// how long) and a looping one until it is stopped or replaced; the end is a timer on the loop,
// so `Playing` turns empty exactly when that much time has passed, also on the virtual clock.
// A file of no length plays for one millisecond, so its end still comes through the loop.
//
// Play on a channel outside 1 to 20 raises error 5; the other calls ignore such a channel.
// A new sound starts with pan and volume 0 (centre, full), as a fresh sound buffer does, until
// the caller sets them.
class HeadlessSoundDevice final : public SoundDevice {
  public:
    static constexpr int kFirstChannel = 1;
    static constexpr int kLastChannel = 20;

    explicit HeadlessSoundDevice(EventLoop& loop);
    ~HeadlessSoundDevice() override;

    void Play(int channel, const std::string& name, const std::filesystem::path& file,
              bool looping) override;
    void SetPan(int channel, Long pan) override;
    void SetVolume(int channel, Long volume) override;
    void Stop(int channel) override;
    std::optional<std::string> Playing(int channel) const override;
    void Release() override;

    // What the sound now on the channel was given; nothing when the channel is silent.
    struct Sound {
        std::string name;
        bool looping = false;
        Long pan = 0;
        Long volume = 0;
        TimeMs length = 0;
    };
    std::optional<Sound> SoundOn(int channel) const;

  private:
    struct Channel;
    Channel* Find(int channel) const;

    std::array<std::unique_ptr<Channel>, kLastChannel> channels_;
    bool released_ = false;
};

}  // namespace morvane
