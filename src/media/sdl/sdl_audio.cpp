#include "media/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

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

SdlAudio::SdlAudio() {
    if (!OpenMixer()) {
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
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
}

SdlAudio::~SdlAudio() {
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace morvane
