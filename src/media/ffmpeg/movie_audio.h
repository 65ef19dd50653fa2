#pragma once

#include <cstdint>
#include <span>

#include "base/integer.h"
#include "media/movie_sound_output.h"

namespace morvane::ffmpeg {

// The sound of the movies: 16-bit stereo samples from the UI thread, at the game's volume for
// the movie, into the player's one audio output. Without an output (no sound card, no audio
// driver, a test) the movies play silent with their real timing.
class MovieAudio {
  public:
    static constexpr int kFrequency = MovieSoundOutput::kFrequency;
    static constexpr int kChannels = MovieSoundOutput::kChannels;

    explicit MovieAudio(MovieSoundOutput* output = nullptr);
    MovieAudio(const MovieAudio&) = delete;
    MovieAudio& operator=(const MovieAudio&) = delete;

    bool Available() const { return output_ != nullptr; }

    // Interleaved left/right samples, queued behind what is still playing, at the volume set.
    void Queue(std::span<const int16_t> samples);
    // Drops what has not been heard yet.
    void Clear();
    // The output plays one movie at a time: a movie that starts playing claims it, which drops
    // what another movie left queued. Releasing drops the owner's sound if it still owns it.
    void Claim(const void* owner);
    void Release(const void* owner);
    // A paused output keeps its queue and goes on from there.
    void SetPaused(bool paused);
    // The game's volume in hundredths of a decibel (0 full, -10000 silent).
    void SetVolume(Long hundredths_of_db);

    // Samples queued since the start, counted also without an output.
    uint64_t SamplesQueued() const { return samples_queued_; }

  private:
    MovieSoundOutput* output_;
    int amplitude_;
    uint64_t samples_queued_ = 0;
    const void* owner_ = nullptr;
};

}  // namespace morvane::ffmpeg
