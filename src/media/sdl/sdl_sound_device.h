#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "media/sound_device.h"

namespace morvane {

class EventLoop;
class SdlAudio;

// The 20 WAV channels on SDL_mixer's channels 0 to 19. Volumes and pans map from hundredths of
// a decibel to the mixer's linear scales (media/volume_mapping.h). Whether a channel still
// plays is asked of the mixer, so nothing runs on the audio thread; each non-looping sound
// also sets a timer on the loop for its end, so a wait for a sound to end wakes when it does.
// Pan and volume reset to centre and full with every new sound, as a fresh sound buffer does.
// The SdlAudio must outlive the device.
class SdlSoundDevice final : public SoundDevice {
  public:
    SdlSoundDevice(EventLoop& loop, SdlAudio& audio);
    ~SdlSoundDevice() override;

    // 53 for a missing file, 321 for one the mixer cannot read, 5 for a channel outside 1 to
    // 20; the channel keeps what it played.
    void Play(int channel, const std::string& name, const std::filesystem::path& file,
              bool looping) override;
    void SetPan(int channel, Long pan) override;
    void SetVolume(int channel, Long volume) override;
    void Stop(int channel) override;
    std::optional<std::string> Playing(int channel) const override;
    void Release() override;

  private:
    struct Channel;
    Channel* Find(int channel) const;

    EventLoop& loop_;
    SdlAudio& audio_;
    std::array<std::unique_ptr<Channel>, 20> channels_;
    bool released_ = false;
};

}  // namespace morvane
