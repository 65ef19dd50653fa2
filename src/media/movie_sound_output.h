#pragma once

#include <cstdint>
#include <span>

namespace morvane {

// Where a movie's sound goes: 16-bit interleaved stereo at 44100 Hz, mixed into the one audio
// output the game's other sounds use, so a sound card that takes one stream plays it too.
class MovieSoundOutput {
  public:
    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 2;

    virtual ~MovieSoundOutput() = default;
    // Queued behind what is still to be heard.
    virtual void Queue(std::span<const int16_t> samples) = 0;
    // Drops what has not been heard yet.
    virtual void Clear() = 0;
    // A paused output keeps its queue and goes on from there.
    virtual void SetPaused(bool paused) = 0;
};

}  // namespace morvane
