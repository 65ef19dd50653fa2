#include "media/ffmpeg/movie_audio.h"

#include <SDL.h>

#include <vector>

#include "media/volume_mapping.h"

namespace morvane::ffmpeg {
namespace {

constexpr int kFull = 1 << 15;

}  // namespace

MovieAudio::MovieAudio() : amplitude_(kFull) {
    subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!subsystem_) {
        return;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kFrequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kChannels;
    wanted.samples = 2048;
    // No callback: the queue feeds the device, and SDL converts to whatever the device takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
}

MovieAudio::~MovieAudio() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
    if (subsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void MovieAudio::Queue(std::span<const int16_t> samples) {
    samples_queued_ += samples.size();
    if (device_ == 0 || samples.empty()) {
        return;
    }
    std::vector<int16_t> scaled(samples.begin(), samples.end());
    if (amplitude_ != kFull) {
        for (int16_t& sample : scaled) {
            sample = static_cast<int16_t>(sample * amplitude_ / kFull);
        }
    }
    SDL_QueueAudio(device_, scaled.data(), static_cast<Uint32>(scaled.size() * sizeof(int16_t)));
}

void MovieAudio::Clear() {
    if (device_ != 0) {
        SDL_ClearQueuedAudio(device_);
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
    if (device_ != 0) {
        SDL_PauseAudioDevice(device_, paused ? 1 : 0);
    }
}

void MovieAudio::SetVolume(Long hundredths_of_db) {
    amplitude_ = VolumeToAmplitude(hundredths_of_db, kFull);
}

}  // namespace morvane::ffmpeg
