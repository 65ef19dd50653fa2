#include "media/ffmpeg/ffmpeg_movies.h"

#include "media/ffmpeg/ffmpeg_movie_engine.h"
#include "media/ffmpeg/movie_audio.h"

namespace morvane {
namespace {

// The engine with its own sound output, which its playbacks keep for as long as they live.
class FfmpegMovies final : public MovieEngine {
  public:
    FfmpegMovies(EventLoop& loop, const GamePaths& paths, MovieSoundOutput* sound)
        : engine_(loop, paths, std::make_shared<ffmpeg::MovieAudio>(sound)) {}

    std::unique_ptr<MoviePlayback> Open(std::string_view file_name) override {
        return engine_.Open(file_name);
    }

  private:
    FfmpegMovieEngine engine_;
};

}  // namespace

std::unique_ptr<MovieEngine> MakeFfmpegMovies(EventLoop& loop, const GamePaths& paths,
                                              MovieSoundOutput* sound) {
    return std::make_unique<FfmpegMovies>(loop, paths, sound);
}

}  // namespace morvane
