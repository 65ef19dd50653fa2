#include "media/sdl/sdl_music_device.h"

#include <SDL_mixer.h>

#include "media/media_errors.h"
#include "media/music_check.h"
#include "media/volume_mapping.h"

namespace morvane {

void SdlMusicDevice::MusicFree::operator()(_Mix_Music* music) const {
    Mix_FreeMusic(music);
}

SdlMusicDevice::SdlMusicDevice(SdlAudio&, std::optional<std::filesystem::path> sound_font)
    : sound_font_(std::move(sound_font)) {}

SdlMusicDevice::~SdlMusicDevice() {
    Halt();
}

void SdlMusicDevice::Start(Kind kind, const std::string& name, const std::filesystem::path& file,
                           Long volume) {
    Halt();
    // The synthesizer and the decoder run inside the mixer's audio callback, holding the audio
    // lock: a broken file there can spin them and freeze every later mixer call, and music of
    // no length loops without end. Such files never reach them.
    const bool playable =
        kind == Kind::kMidi ? RequirePlayableMidi(file) : RequirePlayableMp3(file);
    if (!playable) {
        return;
    }
    if (kind == Kind::kMidi) {
        if (!sound_font_) {
            silent_ = true;
            kind_ = kind;
            name_ = name;
            return;
        }
        // Without this the mixer looks for a timidity configuration and reports that instead.
        Mix_SetSoundFonts(sound_font_->string().c_str());
    }
    std::unique_ptr<_Mix_Music, MusicFree> music(Mix_LoadMUS(file.string().c_str()));
    if (!music) {
        RaiseInvalidFileFormat();
    }
    Mix_VolumeMusic(VolumeToAmplitude(volume, MIX_MAX_VOLUME));
    if (Mix_PlayMusic(music.get(), -1) != 0) {
        RaiseInvalidFileFormat();
    }
    music_ = std::move(music);
    kind_ = kind;
    name_ = name;
}

void SdlMusicDevice::Halt() {
    Mix_HaltMusic();
    music_.reset();
    silent_ = false;
    kind_ = Kind::kNone;
    name_.clear();
}

std::optional<std::string> SdlMusicDevice::PlayingAs(Kind kind) const {
    if (kind_ == kind && silent_) {
        return name_;
    }
    if (kind_ != kind || !music_ || Mix_PlayingMusic() == 0) {
        return std::nullopt;
    }
    return name_;
}

void SdlMusicDevice::PlayMidi(const std::string& name, const std::filesystem::path& file,
                              Long volume) {
    Start(Kind::kMidi, name, file, volume);
}

void SdlMusicDevice::StopMidi() {
    if (kind_ == Kind::kMidi) {
        Halt();
    }
}

void SdlMusicDevice::SetMidiVolume(Long volume) {
    if (kind_ == Kind::kMidi) {
        Mix_VolumeMusic(VolumeToAmplitude(volume, MIX_MAX_VOLUME));
    }
}

void SdlMusicDevice::PlayMp3(const std::string& name, const std::filesystem::path& file,
                             Long volume, Long) {
    Start(Kind::kMp3, name, file, volume);
}

void SdlMusicDevice::StopMp3() {
    if (kind_ == Kind::kMp3) {
        Halt();
    }
}

void SdlMusicDevice::SetMp3Volume(Long volume) {
    if (kind_ == Kind::kMp3) {
        Mix_VolumeMusic(VolumeToAmplitude(volume, MIX_MAX_VOLUME));
    }
}

bool SdlMusicDevice::TerminateMp3() {
    StopMp3();
    return true;
}

std::optional<std::string> SdlMusicDevice::PlayingMidi() const {
    return PlayingAs(Kind::kMidi);
}

std::optional<std::string> SdlMusicDevice::PlayingMp3() const {
    return PlayingAs(Kind::kMp3);
}

}  // namespace morvane
