#include "backend/sdl_backend.h"

#include <iostream>

#include "base/runtime_error.h"
#include "media/headless_music_device.h"
#include "media/headless_sound_device.h"
#include "media/sdl/sdl_audio.h"
#include "media/sdl/sdl_music_device.h"
#include "media/sdl/sdl_sound_device.h"

namespace morvane {

std::filesystem::path SdlBackendOptions::SdlMusicDeviceDefaultSoundfont() {
    return SdlMusicDevice::kDefaultSoundFont;
}

SdlBackend::SdlBackend(const SdlBackendOptions& options)
    : options_(options),
      window_(options.window),
      clock_(window_.Blocker()),
      message_boxes_(window_.GetFont()) {}

void SdlBackend::Notice(const std::string& line) const {
    if (options_.notice) {
        options_.notice(line);
    } else {
        std::cerr << "morvane-player: " << line << std::endl;
    }
}

SdlBackend::~SdlBackend() = default;

MediaDevices SdlBackend::MakeMedia(EventLoop& loop) {
    try {
        audio_ = std::make_unique<SdlAudio>();
        if (!audio_->SilentReason().empty()) {
            Notice("no sound device (" + audio_->SilentReason() + "): playing silent");
        } else if (options_.soundfont_warning) {
            Notice(*options_.soundfont_warning);
        }
        audio_->SetMasterVolume(options_.volume);
        audio_->SetMuted(options_.mute);
        auto sound = std::make_unique<SdlSoundDevice>(loop, *audio_);
        return {std::move(sound), std::make_unique<SdlMusicDevice>(*audio_, options_.soundfont)};
    } catch (const RuntimeError&) {
        // Without any audio driver the game still runs, with silent bookkeeping devices
        // keeping the sounds' timing.
        audio_.reset();
        Notice("no sound device: playing silent");
    }
    return {std::make_unique<HeadlessSoundDevice>(loop), std::make_unique<HeadlessMusicDevice>()};
}

std::unique_ptr<MovieEngine> SdlBackend::MakeMovieEngine(EventLoop& loop, const GamePaths& paths) {
    // Movies are decoded and heard through the one audio output; without an audio device they
    // play silent.
    movies_heard_ = audio_ != nullptr;
    MovieSoundOutput* sound = audio_ ? &audio_->MovieSound() : nullptr;
    if (options_.movies) {
        return options_.movies(loop, paths, sound);
    }
    return LoadedFfmpegMovies(MoviesModuleFolders(), [this](const std::string& line) {
        Notice(line);
    })(loop, paths, sound);
}

bool SdlBackend::MoviesHeard() const {
    return movies_heard_;
}

void SdlBackend::SetMuted(bool muted) {
    if (audio_) {
        audio_->SetMuted(muted);
    }
}

bool SdlBackend::Muted() const {
    return audio_ && audio_->Muted();
}

void SdlBackend::Attach(Desktop& desktop) {
    window_.Attach(desktop);
    message_boxes_.Attach(desktop);
    desktop.Loop().SetInputSource(&window_);
}

std::unique_ptr<SdlBackend> MakeSdlBackend(const SdlBackendOptions& options) {
    return std::make_unique<SdlBackend>(options);
}

}  // namespace morvane
