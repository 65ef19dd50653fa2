#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "media/ffmpeg/ffmpeg_movie_engine.h"
#include "media/ffmpeg/movie_audio.h"
#include "media/ffmpeg_test_movie.h"
#include "media/headless_movie_engine.h"
#include "platform/control_display.h"
#include "platform/game_paths.h"
#include "platform/movie_control.h"
#include "platform/runtime_fixture.h"
#include "support/temp_folder.h"

namespace morvane::testing {

// The headless engine, which reads only the movies' headers.
struct HeadlessMovies {
    std::unique_ptr<MovieEngine> Make(EventLoop& loop, const GamePaths& paths) {
        return std::make_unique<HeadlessMovieEngine>(loop, paths);
    }
};

// FFmpeg's decoding, its sound on SDL's dummy driver.
struct FfmpegMovies {
    std::unique_ptr<MovieEngine> Make(EventLoop& loop, const GamePaths& paths) {
        return std::make_unique<FfmpegMovieEngine>(loop, paths, &audio);
    }
    ffmpeg::MovieAudio audio;
};

// A main window with a movie control on a movie engine, on the virtual clock, with movies
// written by FFmpeg in the game folder. Every mode change is noted with its time, by name and
// by code.
template <typename Movies>
class MovieEngineTest : public ::testing::Test {
  protected:
    MovieEngineTest() {
        runtime_.desktop.SetMovieEngine(engine_.get());
        window_.Show();
        movie_->OnModeChange = [this](const std::string& mode) {
            events_.push_back(Stamp() + " " + mode);
        };
        movie_->OnModeChangeEx = [this](int code) {
            events_.push_back(Stamp() + " " + std::to_string(code));
        };
    }

    // Writes the movie with FFmpeg; the full path the game builds for it in its media folder.
    std::string Movie(const std::string& name, const TestMovie& shape = {}) {
        WriteTestMovie(folder_.Path() / "resource" / "mmedia" / name, shape);
        return paths_.GameFolder() + "resource\\mmedia\\" + name;
    }

    std::string Stamp() const { return std::to_string(runtime_.clock.Now()); }

    void Pass(TimeMs ms) { runtime_.loop.PassTime(ms); }

    TempFolder folder_;
    GamePaths paths_{folder_.Path()};
    Runtime runtime_;
    Movies movies_;
    std::unique_ptr<MovieEngine> engine_ = movies_.Make(runtime_.loop, paths_);
    Window window_{runtime_.desktop, "Main"};
    std::unique_ptr<MovieControl> movie_ = std::make_unique<MovieControl>(window_, "MovieWindow");
    std::vector<std::string> events_;
};

}  // namespace morvane::testing
