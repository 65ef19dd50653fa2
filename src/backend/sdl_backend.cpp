#include "backend/sdl_backend.h"

#include "base/runtime_error.h"
#include "media/ffmpeg/ffmpeg_movie_engine.h"
#include "media/ffmpeg/movie_audio.h"
#include "media/headless_music_device.h"
#include "media/headless_sound_device.h"
#include "media/sdl/sdl_audio.h"
#include "media/sdl/sdl_music_device.h"
#include "media/sdl/sdl_sound_device.h"

namespace morvane {

SdlBackend::SdlBackend(const sdl::WindowOptions& options)
    : window_(options), clock_(window_.Blocker()), message_boxes_(window_.GetFont()) {}

SdlBackend::~SdlBackend() = default;

MediaDevices SdlBackend::MakeMedia(EventLoop& loop) {
    try {
        audio_ = std::make_unique<SdlAudio>();
        auto sound = std::make_unique<SdlSoundDevice>(loop, *audio_);
        return {std::move(sound), std::make_unique<SdlMusicDevice>(*audio_)};
    } catch (const RuntimeError&) {
        // Without any audio driver the game still runs, with silent bookkeeping devices
        // keeping the sounds' timing.
        audio_.reset();
    }
    return {std::make_unique<HeadlessSoundDevice>(loop), std::make_unique<HeadlessMusicDevice>()};
}

std::unique_ptr<MovieEngine> SdlBackend::MakeMovieEngine(EventLoop& loop, const GamePaths& paths) {
    // Movies are decoded and heard; without an audio device they play silent.
    movie_audio_ = std::make_unique<ffmpeg::MovieAudio>();
    return std::make_unique<FfmpegMovieEngine>(
        loop, paths, movie_audio_->Available() ? movie_audio_.get() : nullptr);
}

bool SdlBackend::MoviesHeard() const {
    return movie_audio_ && movie_audio_->Available();
}

void SdlBackend::Attach(Desktop& desktop) {
    window_.Attach(desktop);
    message_boxes_.Attach(desktop);
    desktop.Loop().SetInputSource(&window_);
}

std::unique_ptr<SdlBackend> MakeSdlBackend(const sdl::WindowOptions& options) {
    return std::make_unique<SdlBackend>(options);
}

}  // namespace morvane
