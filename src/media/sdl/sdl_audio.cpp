#include "media/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

#include "base/runtime_error.h"

namespace morvane {
namespace {

constexpr int kSoundChannels = 20;

bool OpenMixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) == 0) {
        return true;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

}  // namespace

// The last stage of the mixer, on the audio thread: the movie's sound is added to what the
// channels and the music made, then the whole is scaled by the master volume. The movie's
// samples arrive from the game's thread through a converting stream guarded by a mutex.
struct SdlAudio::Mix final : MovieSoundOutput {
    Mix(int frequency, Uint16 mix_format, int channels) : format(mix_format) {
        stream = SDL_NewAudioStream(AUDIO_S16SYS, kChannels, kFrequency, format,
                                    static_cast<Uint8>(channels), frequency);
        lock = SDL_CreateMutex();
        silence = format == AUDIO_U8 ? 0x80 : 0;
    }
    ~Mix() override {
        SDL_DestroyMutex(lock);
        SDL_FreeAudioStream(stream);
    }
    Mix(const Mix&) = delete;
    Mix& operator=(const Mix&) = delete;

    void Queue(std::span<const int16_t> samples) override {
        if (stream == nullptr || samples.empty()) {
            return;
        }
        SDL_LockMutex(lock);
        SDL_AudioStreamPut(stream, samples.data(), static_cast<int>(samples.size_bytes()));
        SDL_UnlockMutex(lock);
    }
    void Clear() override {
        if (stream == nullptr) {
            return;
        }
        SDL_LockMutex(lock);
        SDL_AudioStreamClear(stream);
        SDL_UnlockMutex(lock);
    }
    void SetPaused(bool on) override { paused = on; }

    // On the audio thread.
    void Run(Uint8* out, int length) {
        if (scratch.size() < static_cast<std::size_t>(length)) {
            scratch.resize(static_cast<std::size_t>(length));
        }
        if (stream != nullptr && !paused) {
            SDL_LockMutex(lock);
            const int got = SDL_AudioStreamGet(stream, scratch.data(), length);
            SDL_UnlockMutex(lock);
            if (got > 0) {
                SDL_MixAudioFormat(out, scratch.data(), format, static_cast<Uint32>(got),
                                   SDL_MIX_MAXVOLUME);
            }
        }
        const int gain = muted ? 0 : volume * SDL_MIX_MAXVOLUME / 100;
        if (gain >= SDL_MIX_MAXVOLUME) {
            return;
        }
        std::memcpy(scratch.data(), out, static_cast<std::size_t>(length));
        std::memset(out, silence, static_cast<std::size_t>(length));
        if (gain > 0) {
            SDL_MixAudioFormat(out, scratch.data(), format, static_cast<Uint32>(length), gain);
        }
    }

    static void Callback(void* self, Uint8* out, int length) {
        static_cast<Mix*>(self)->Run(out, length);
    }

    Uint16 format;
    int silence;
    SDL_AudioStream* stream = nullptr;
    SDL_mutex* lock = nullptr;
    std::vector<Uint8> scratch;
    std::atomic<bool> paused{true};
    std::atomic<bool> muted{false};
    std::atomic<int> volume{100};
};

SdlAudio::SdlAudio() {
    if (!OpenMixer()) {
        silent_reason_ = SDL_GetError();
        if (silent_reason_.empty()) {
            silent_reason_ = "the audio device did not open";
        }
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (!OpenMixer()) {
            Raise(ErrorNumber::kDeviceUnavailable);
        }
    }
    Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
    Mix_AllocateChannels(kSoundChannels);
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    frequency_ = frequency;
    bytes_per_second_ = frequency * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
    mix_ = std::make_unique<Mix>(frequency, format, channels);
    Mix_SetPostMix(&Mix::Callback, mix_.get());
}

SdlAudio::~SdlAudio() {
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::SetMasterVolume(int percent) {
    mix_->volume = std::clamp(percent, 0, 100);
}

int SdlAudio::MasterVolume() const {
    return mix_->volume;
}

void SdlAudio::SetMuted(bool muted) {
    mix_->muted = muted;
}

bool SdlAudio::Muted() const {
    return mix_->muted;
}

MovieSoundOutput& SdlAudio::MovieSound() {
    return *mix_;
}

}  // namespace morvane
