#include "media/ffmpeg/movie_audio.h"

#include <vector>

#include "media/volume_mapping.h"

namespace morvane::ffmpeg {
namespace {

constexpr int kFull = 1 << 15;

}  // namespace

MovieAudio::MovieAudio(MovieSoundOutput* output) : output_(output), amplitude_(kFull) {}

void MovieAudio::Queue(std::span<const int16_t> samples) {
    samples_queued_ += samples.size();
    if (output_ == nullptr || samples.empty()) {
        return;
    }
    if (amplitude_ == kFull) {
        output_->Queue(samples);
        return;
    }
    std::vector<int16_t> scaled(samples.begin(), samples.end());
    for (int16_t& sample : scaled) {
        sample = static_cast<int16_t>(sample * amplitude_ / kFull);
    }
    output_->Queue(scaled);
}

void MovieAudio::Clear() {
    if (output_ != nullptr) {
        output_->Clear();
    }
}

void MovieAudio::Claim(const void* owner) {
    if (owner_ != owner) {
        Clear();
        owner_ = owner;
    }
}

void MovieAudio::Release(const void* owner) {
    if (owner_ == owner) {
        Clear();
        SetPaused(true);
        owner_ = nullptr;
    }
}

void MovieAudio::SetPaused(bool paused) {
    if (output_ != nullptr) {
        output_->SetPaused(paused);
    }
}

void MovieAudio::SetVolume(Long hundredths_of_db) {
    amplitude_ = VolumeToAmplitude(hundredths_of_db, kFull);
}

}  // namespace morvane::ffmpeg
