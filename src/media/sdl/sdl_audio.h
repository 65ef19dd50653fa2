#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "media/movie_sound_output.h"

namespace morvane {

// The one audio device of the player, shared by the SDL sound channels, music and the movies'
// sound: opened once for the player's life. Where the machine's default driver opens but
// cannot play (no sound card), it falls back to SDL's silent "dummy" driver, so the player
// still runs with its real timing. Raises error 68 ("Device unavailable") when no driver opens
// at all.
//
// Over everything the game plays sits the player's master volume and mute: the game's own
// volumes scale under it.
class SdlAudio {
  public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // The mixing rate and the bytes one second of mixed sound takes.
    int Frequency() const { return frequency_; }
    int BytesPerSecond() const { return bytes_per_second_; }

    // Why the real device could not be had and the silent one plays instead; empty when sound
    // is heard.
    const std::string& SilentReason() const { return silent_reason_; }

    // The master volume in percent (0 to 100) and the mute switch.
    void SetMasterVolume(int percent);
    int MasterVolume() const;
    void SetMuted(bool muted);
    bool Muted() const;

    // The movies' way into the mix.
    MovieSoundOutput& MovieSound();

    struct Mix;

  private:
    int frequency_ = 0;
    int bytes_per_second_ = 0;
    std::string silent_reason_;
    std::unique_ptr<Mix> mix_;
};

}  // namespace morvane
