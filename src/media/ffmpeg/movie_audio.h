#pragma once

#include <cstdint>
#include <span>

#include "base/integer.h"

namespace morvane::ffmpeg {

// The sound of the movies: its own SDL audio device, fed 16-bit stereo samples from the UI
// thread through SDL's queue, so nothing here runs on the audio thread. Where no device opens
// (no sound card, no audio driver) the movies play silent with their real timing.
class MovieAudio {
  public:
    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 2;

    MovieAudio();
    ~MovieAudio();
    MovieAudio(const MovieAudio&) = delete;
    MovieAudio& operator=(const MovieAudio&) = delete;

    bool Available() const { return device_ != 0; }

    // Interleaved left/right samples, queued behind what is still playing, at the volume set.
    void Queue(std::span<const int16_t> samples);
    // Drops what has not been heard yet.
    void Clear();
    // The device plays one movie at a time: a movie that starts playing claims it, which drops
    // what another movie left queued. Releasing drops the owner's sound if it still owns it.
    void Claim(const void* owner);
    void Release(const void* owner);
    // A paused device keeps its queue and goes on from there.
    void SetPaused(bool paused);
    // The game's volume in hundredths of a decibel (0 full, -10000 silent).
    void SetVolume(Long hundredths_of_db);

    // Samples queued since the device opened, counted also when no device opened.
    uint64_t SamplesQueued() const { return samples_queued_; }

  private:
    uint32_t device_ = 0;
    bool subsystem_ = false;
    int amplitude_;
    uint64_t samples_queued_ = 0;
    const void* owner_ = nullptr;
};

}  // namespace morvane::ffmpeg
