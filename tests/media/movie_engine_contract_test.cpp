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
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::ErrorNumberOf;
using testing::TestMovie;

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

// What a movie control does on every movie engine: a main window with a movie control, on the
// virtual clock, with movies written by FFmpeg in the game folder. A movie of `frames` frames
// at 10 frames a second lasts frames * 100 ms.
template <typename Movies>
class MovieEngineContract : public ::testing::Test {
  protected:
    MovieEngineContract() {
        runtime_.desktop.SetMovieEngine(engine_.get());
        window_.Show();
        movie_->OnModeChange = [this](const std::string& mode) {
            events_.push_back(Stamp() + " " + mode);
        };
        movie_->OnModeChangeEx = [this](int code) {
            events_.push_back(Stamp() + " " + std::to_string(code));
        };
    }

    // The full path the game builds for a movie in its media folder.
    std::string Movie(const std::string& name, int frames = 10, int width = 64, int height = 48) {
        TestMovie shape;
        shape.frames = frames;
        shape.width = width;
        shape.height = height;
        testing::WriteTestMovie(folder_.Path() / "resource" / "mmedia" / name, shape);
        return paths_.GameFolder() + "resource\\mmedia\\" + name;
    }

    std::string Stamp() const { return std::to_string(runtime_.clock.Now()); }

    void Pass(TimeMs ms) { runtime_.loop.PassTime(ms); }

    testing::TempFolder folder_;
    GamePaths paths_{folder_.Path()};
    testing::Runtime runtime_;
    Movies movies_;
    std::unique_ptr<MovieEngine> engine_ = movies_.Make(runtime_.loop, paths_);
    Window window_{runtime_.desktop, "Main"};
    std::unique_ptr<MovieControl> movie_ = std::make_unique<MovieControl>(window_, "MovieWindow");
    std::vector<std::string> events_;
};

using MovieEngines = ::testing::Types<HeadlessMovies, FfmpegMovies>;
TYPED_TEST_SUITE(MovieEngineContract, MovieEngines);

TYPED_TEST(MovieEngineContract, OpeningSizesTheControlWithoutEvents) {
    MovieControl& movie = *this->movie_;
    EXPECT_EQ(movie.Mode(), "not ready");
    movie.Move(10, 20, 700, 475);
    const std::string path = this->Movie("Intro.avi", 20, 160, 120);
    movie.SetFileName(path);
    EXPECT_EQ(movie.FileName(), path);
    EXPECT_EQ(movie.Mode(), "stopped");
    EXPECT_EQ(movie.ModeCode(), MovieControl::kModeStopped);
    EXPECT_EQ(movie.MovieWidth(), 160);
    EXPECT_EQ(movie.MovieHeight(), 120);
    EXPECT_EQ(movie.MovieLength(), 2000);
    EXPECT_EQ(movie.Bounds(), (Rect{10, 20, 160, 120}));
    this->runtime_.loop.PumpEvents();
    EXPECT_TRUE(this->events_.empty());

    // The caller may size it afterwards; the movie keeps its own size.
    movie.Move(0, 0, 400, 321);
    EXPECT_EQ(movie.MovieWidth(), 160);
}

TYPED_TEST(MovieEngineContract, PlayRunsForTheMoviesDurationThenReportsStopped) {
    MovieControl& movie = *this->movie_;
    movie.SetFileName(this->Movie("scene.avi", 25));
    movie.SetCommand("play");
    EXPECT_EQ(movie.Mode(), "playing");
    EXPECT_TRUE(this->runtime_.loop.WaitUntil([&] { return movie.Mode() == "stopped"; },
                                              EventLoop::kUnbounded));
    this->runtime_.loop.PumpEvents();
    EXPECT_EQ(this->events_,
              (std::vector<std::string>{"0 playing", "0 526", "2500 stopped", "2500 525"}));
    // Played to its end, it plays again from its start.
    this->events_.clear();
    movie.SetCommand("Play");
    this->Pass(2500);
    this->runtime_.loop.PumpEvents();
    EXPECT_EQ(this->events_,
              (std::vector<std::string>{"2500 playing", "2500 526", "5000 stopped", "5000 525"}));
}

TYPED_TEST(MovieEngineContract, StopHaltsWhereItStandsAndPlayGoesOn) {
    MovieControl& movie = *this->movie_;
    movie.SetFileName(this->Movie("scene.avi", 40));
    movie.SetCommand("play");
    this->Pass(1000);
    movie.SetCommand("STOP");
    this->Pass(10'000);
    // Stopping again while stopped changes nothing.
    movie.SetCommand("stop");
    movie.SetCommand("play");
    this->Pass(5000);
    EXPECT_EQ(this->events_, (std::vector<std::string>{"0 playing", "0 526", "1000 stopped",
                                                       "1000 525", "11000 playing", "11000 526",
                                                       "14000 stopped", "14000 525"}));
}

TYPED_TEST(MovieEngineContract, CloseEndsTheMovieWithoutEvents) {
    MovieControl& movie = *this->movie_;
    movie.SetFileName(this->Movie("scene.avi", 40));
    movie.SetCommand("play");
    this->runtime_.loop.PumpEvents();
    this->events_.clear();
    movie.SetCommand("close");
    this->Pass(10'000);
    EXPECT_TRUE(this->events_.empty());
    EXPECT_EQ(movie.Mode(), "not ready");
    EXPECT_EQ(movie.FileName(), "");
    EXPECT_EQ(movie.MovieWidth(), 0);
    EXPECT_FALSE(movie.Picture());
    // Stop and close with nothing open are harmless; play is an error.
    movie.SetCommand("stop");
    movie.SetCommand("close");
    EXPECT_EQ(ErrorNumberOf([&] { movie.SetCommand("play"); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { movie.SetCommand("rewind"); }), 5);
}

// The scene movie's handling: on "stopped" the handler closes the control.
TYPED_TEST(MovieEngineContract, AHandlerMayCloseTheControlWhenItStops) {
    MovieControl& movie = *this->movie_;
    movie.OnModeChange = [this, &movie](const std::string& mode) {
        this->events_.push_back(this->Stamp() + " " + mode);
        if (mode == "stopped") {
            movie.SetCommand("close");
            movie.SetVisible(false);
        }
    };
    movie.SetFileName(this->Movie("scene.avi"));
    movie.SetCommand("play");
    this->Pass(5000);
    EXPECT_EQ(this->events_,
              (std::vector<std::string>{"0 playing", "0 526", "1000 stopped", "1000 525"}));
    EXPECT_EQ(movie.Mode(), "not ready");
    EXPECT_FALSE(movie.Visible());
}

TYPED_TEST(MovieEngineContract, ReplacingTheFileClosesTheOldMovie) {
    MovieControl& movie = *this->movie_;
    movie.SetFileName(this->Movie("one.avi"));
    movie.SetCommand("play");
    movie.SetFileName("");
    EXPECT_EQ(movie.Mode(), "not ready");
    movie.SetFileName(this->Movie("two.avi", 30, 128, 96));
    movie.SetCommand("play");
    this->Pass(5000);
    EXPECT_EQ(this->events_, (std::vector<std::string>{"0 playing", "0 526", "0 playing", "0 526",
                                                       "3000 stopped", "3000 525"}));
    EXPECT_EQ(movie.Width(), 128);
}

TYPED_TEST(MovieEngineContract, FilesThatCannotOpenFailAndLeaveTheControlClosed) {
    MovieControl& movie = *this->movie_;
    const std::string media = this->paths_.GameFolder() + "resource\\mmedia\\";
    movie.SetFileName(this->Movie("good.avi"));
    this->folder_.Write("resource/mmedia/broken.avi", "RIFF\x10\0\0\0AVI LIST");
    this->folder_.Write("resource/mmedia/text.avi", "RIFF this is not a movie at all");
    for (const char* name : {"broken.avi", "text.avi"}) {
        EXPECT_EQ(ErrorNumberOf([&] { movie.SetFileName(media + name); }), 321) << name;
        EXPECT_EQ(movie.Mode(), "not ready");
        EXPECT_EQ(movie.FileName(), "");
        EXPECT_FALSE(movie.Picture());
    }
    EXPECT_EQ(ErrorNumberOf([&] { movie.SetFileName(media + "missing.avi"); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] { movie.SetFileName("/etc/passwd"); }), 53);
    this->runtime_.desktop.SetMovieEngine(nullptr);
    EXPECT_EQ(ErrorNumberOf([&] { movie.SetFileName(this->Movie("good.avi")); }), 68);
    EXPECT_TRUE(this->events_.empty());
}

TYPED_TEST(MovieEngineContract, EventsOfAControlThatIsGoneAreDropped) {
    this->movie_->SetFileName(this->Movie("scene.avi"));
    this->movie_->SetCommand("play");
    this->movie_->SetCommand("stop");
    this->movie_.reset();
    this->Pass(2000);
    EXPECT_TRUE(this->events_.empty());
}

TYPED_TEST(MovieEngineContract, AHandlerMayDestroyTheControl) {
    this->movie_->OnModeChange = [this](const std::string& mode) {
        this->events_.push_back(mode);
        this->movie_.reset();
    };
    this->movie_->SetFileName(this->Movie("scene.avi"));
    this->movie_->SetCommand("play");
    this->Pass(2000);
    EXPECT_EQ(this->events_, std::vector<std::string>{"playing"});
}

}  // namespace
}  // namespace morvane
