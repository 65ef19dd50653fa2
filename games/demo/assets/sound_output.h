#pragma once

#include <filesystem>
#include <vector>

namespace morvane::demo {

// A mono sound being synthesised: samples from -1 to 1 at a fixed rate.
class Sound {
  public:
    Sound(int rate, double seconds);

    int Rate() const { return rate_; }
    double Seconds() const { return static_cast<double>(samples_.size()) / rate_; }
    std::vector<double>& Samples() { return samples_; }
    const std::vector<double>& Samples() const { return samples_; }

    // Adds a note from `start` lasting `length` seconds: a sum of harmonics (amplitudes in
    // `harmonics`, the first is the fundamental) with a short attack and an exponential decay
    // that takes `decay` seconds to fall to about a third.
    void Note(double start, double length, double frequency, double volume,
              const std::vector<double>& harmonics, double decay);
    // A tone whose frequency glides from f0 to f1, with a sine envelope over its length.
    void Glide(double start, double length, double f0, double f1, double volume);
    // Noise from a fixed seed, smoothed by a one-pole low-pass (0 < smoothing < 1: higher is
    // darker), shaped by a sine envelope over its length.
    void Noise(double start, double length, double volume, double smoothing, unsigned seed);
    // Multiplies the whole sound by a slow swell: 1 - depth/2 + depth/2 * sin(...).
    void Swell(double cycles, double depth);
    // Fades the first and last `seconds` so that a loop joins without a click.
    void FadeEnds(double seconds);

  private:
    int rate_;
    std::vector<double> samples_;
};

// 16-bit PCM mono WAV; samples beyond -1..1 are clipped.
void WriteWav(const std::filesystem::path& file, const Sound& sound);

// A standard MIDI file (format 0) of one melody and one accompaniment.
struct MidiNote {
    int channel;
    int key;
    double start_beats;
    double length_beats;
    int velocity;
};
void WriteMidi(const std::filesystem::path& file, int tempo_bpm,
               const std::vector<std::pair<int, int>>& programs,  // channel, program
               const std::vector<MidiNote>& notes);

}  // namespace morvane::demo
