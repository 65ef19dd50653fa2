#pragma once

namespace morvane {

// The audio device shared by the SDL sound channels and music: opened once for the player's
// life. Where the machine's default driver opens but cannot play (no sound card), it falls
// back to SDL's silent "dummy" driver, so the player still runs with its real timing. Raises
// error 68 ("Device unavailable") when no driver opens at all.
class SdlAudio {
  public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // The mixing rate and the bytes one second of mixed sound takes.
    int Frequency() const { return frequency_; }
    int BytesPerSecond() const { return bytes_per_second_; }

  private:
    int frequency_ = 0;
    int bytes_per_second_ = 0;
};

}  // namespace morvane
