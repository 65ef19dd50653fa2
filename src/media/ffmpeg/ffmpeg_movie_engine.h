#pragma once

#include <memory>
#include <string_view>

#include "platform/movie_engine.h"

namespace morvane {

class EventLoop;
class GamePaths;

namespace ffmpeg {
class MovieAudio;
}

// Movies decoded with FFmpeg: Cinepak, MS Video 1, MJPEG and raw video in AVI files, with
// PCM, ADPCM or MP3 sound. Playing runs on a timer of the event loop that wakes when the next
// frame is due and decodes just that frame on the loop's thread, so a movie keeps time with
// the loop's clock (also the virtual one) and ends with "stopped" after its duration, as the
// headless engine does. The sound goes to `audio`, when given, at the movie's volume.
class FfmpegMovieEngine final : public MovieEngine {
  public:
    FfmpegMovieEngine(EventLoop& loop, const GamePaths& paths, ffmpeg::MovieAudio* audio = nullptr);
    // Owning the sound output together with every playback it opens.
    FfmpegMovieEngine(EventLoop& loop, const GamePaths& paths,
                      std::shared_ptr<ffmpeg::MovieAudio> audio);

    // Resolves the name through the game's paths; 53 when nothing is there, 321 when the file
    // cannot be played.
    std::unique_ptr<MoviePlayback> Open(std::string_view file_name) override;

  private:
    EventLoop& loop_;
    const GamePaths& paths_;
    std::shared_ptr<ffmpeg::MovieAudio> audio_;
};

}  // namespace morvane
