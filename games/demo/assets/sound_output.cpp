#include "sound_output.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>

#include "canvas.h"

namespace morvane::demo {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

void PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}
void PutU16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void PutBigU32(std::string& out, uint32_t v) {
    for (int i = 3; i >= 0; --i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}
void PutVariable(std::string& out, uint32_t v) {
    std::string bytes(1, static_cast<char>(v & 0x7F));
    while ((v >>= 7) != 0) {
        bytes.insert(bytes.begin(), static_cast<char>((v & 0x7F) | 0x80));
    }
    out += bytes;
}

void Save(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace

Sound::Sound(int rate, double seconds)
    : rate_(rate), samples_(static_cast<std::size_t>(std::lround(rate * seconds)), 0.0) {}

void Sound::Note(double start, double length, double frequency, double volume,
                 const std::vector<double>& harmonics, double decay) {
    const auto first = static_cast<std::size_t>(std::lround(start * rate_));
    const auto count = static_cast<std::size_t>(std::lround(length * rate_));
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        const double attack = std::min(1.0, t / 0.01);
        const double release = std::min(1.0, (length - t) / 0.02);
        double value = 0;
        for (std::size_t h = 0; h < harmonics.size(); ++h) {
            value += harmonics[h] * std::sin(kTwoPi * frequency * static_cast<double>(h + 1) * t);
        }
        samples_[first + i] += volume * value * attack * release * std::exp(-t / decay);
    }
}

void Sound::Glide(double start, double length, double f0, double f1, double volume) {
    const auto first = static_cast<std::size_t>(std::lround(start * rate_));
    const auto count = static_cast<std::size_t>(std::lround(length * rate_));
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(count);
        phase += kTwoPi * (f0 + (f1 - f0) * u) / rate_;
        samples_[first + i] +=
            volume * std::sin(std::numbers::pi * u) * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
}

void Sound::Noise(double start, double length, double volume, double smoothing, unsigned seed) {
    Random random(seed == 0 ? 1 : seed);
    const auto first = static_cast<std::size_t>(std::lround(start * rate_));
    const auto count = static_cast<std::size_t>(std::lround(length * rate_));
    double low = 0;
    // Smoothing lowers the level; make up for it so that `volume` means about the same.
    const double gain = 1.0 / std::sqrt(std::max(0.02, (1 - smoothing) / (1 + smoothing)));
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double white = random.Unit() * 2 - 1;
        low = smoothing * low + (1 - smoothing) * white;
        const double u = static_cast<double>(i) / static_cast<double>(count);
        samples_[first + i] += volume * gain * 0.5 * low * std::sin(std::numbers::pi * u);
    }
}

void Sound::Swell(double cycles, double depth) {
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(samples_.size());
        samples_[i] *= 1 - depth / 2 + depth / 2 * std::sin(kTwoPi * cycles * u);
    }
}

void Sound::FadeEnds(double seconds) {
    const auto count =
        std::min(samples_.size() / 2, static_cast<std::size_t>(std::lround(seconds * rate_)));
    for (std::size_t i = 0; i < count; ++i) {
        const double g = static_cast<double>(i) / static_cast<double>(count);
        samples_[i] *= g;
        samples_[samples_.size() - 1 - i] *= g;
    }
}

void WriteWav(const std::filesystem::path& file, const Sound& sound) {
    const auto data_bytes = static_cast<uint32_t>(sound.Samples().size() * 2);
    std::string out = "RIFF";
    PutU32(out, 36 + data_bytes);
    out += "WAVEfmt ";
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);  // mono
    PutU32(out, static_cast<uint32_t>(sound.Rate()));
    PutU32(out, static_cast<uint32_t>(sound.Rate() * 2));
    PutU16(out, 2);
    PutU16(out, 16);
    out += "data";
    PutU32(out, data_bytes);
    for (double sample : sound.Samples()) {
        const auto value =
            static_cast<int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32000.0));
        PutU16(out, static_cast<uint16_t>(value));
    }
    Save(file, out);
}

void WriteMidi(const std::filesystem::path& file, int tempo_bpm,
               const std::vector<std::pair<int, int>>& programs,
               const std::vector<MidiNote>& notes) {
    constexpr int kTicksPerBeat = 96;
    // Events by tick; note-offs sort before note-ons of the same tick.
    std::multimap<std::pair<uint32_t, int>, std::string> events;
    for (const MidiNote& note : notes) {
        const auto on = static_cast<uint32_t>(std::lround(note.start_beats * kTicksPerBeat));
        const auto off = static_cast<uint32_t>(
            std::lround((note.start_beats + note.length_beats) * kTicksPerBeat));
        events.emplace(std::make_pair(on, 1),
                       std::string{static_cast<char>(0x90 | note.channel),
                                   static_cast<char>(note.key), static_cast<char>(note.velocity)});
        events.emplace(std::make_pair(off, 0),
                       std::string{static_cast<char>(0x80 | note.channel),
                                   static_cast<char>(note.key), static_cast<char>(0)});
    }
    std::string track;
    const uint32_t micros = 60000000U / static_cast<uint32_t>(tempo_bpm);
    track += std::string("\x00\xFF\x51\x03", 4);
    track.push_back(static_cast<char>((micros >> 16) & 0xFF));
    track.push_back(static_cast<char>((micros >> 8) & 0xFF));
    track.push_back(static_cast<char>(micros & 0xFF));
    for (const auto& [channel, program] : programs) {
        track.push_back(0);
        track.push_back(static_cast<char>(0xC0 | channel));
        track.push_back(static_cast<char>(program));
    }
    uint32_t now = 0;
    for (const auto& [when, bytes] : events) {
        PutVariable(track, when.first - now);
        now = when.first;
        track += bytes;
    }
    track += std::string("\x00\xFF\x2F\x00", 4);

    std::string out = "MThd";
    PutBigU32(out, 6);
    out += std::string("\x00\x00\x00\x01", 4);
    out.push_back(0);
    out.push_back(static_cast<char>(kTicksPerBeat));
    out += "MTrk";
    PutBigU32(out, static_cast<uint32_t>(track.size()));
    out += track;
    Save(file, out);
}

}  // namespace morvane::demo
