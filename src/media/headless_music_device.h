#pragma once

#include <optional>
#include <string>

#include "media/sound_device.h"

namespace morvane {

// The MIDI and MP3 engines of a run without audio. Music loops until it is stopped, so the
// bookkeeping needs no clock: it remembers what plays and at which volume and balance. As with
// the real engines, starting music first drops what played before, so a file that cannot be
// played (53 when missing, 321 when broken) leaves that engine silent, and so does music that
// lasts no time at all.
class HeadlessMusicDevice final : public MusicDevice {
  public:
    void PlayMidi(const std::string& name, const std::filesystem::path& file, Long volume) override;
    void StopMidi() override;
    void SetMidiVolume(Long volume) override;

    void PlayMp3(const std::string& name, const std::filesystem::path& file, Long volume,
                 Long balance) override;
    void StopMp3() override;
    void SetMp3Volume(Long volume) override;
    bool TerminateMp3() override;

    std::optional<std::string> PlayingMidi() const override;
    std::optional<std::string> PlayingMp3() const override;

    struct Music {
        std::string name;
        Long volume = 0;
        Long balance = 0;
    };
    const std::optional<Music>& Midi() const { return midi_; }
    const std::optional<Music>& Mp3() const { return mp3_; }

  private:
    std::optional<Music> midi_;
    std::optional<Music> mp3_;
};

}  // namespace morvane
