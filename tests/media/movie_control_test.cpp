#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "media/headless_movie_engine.h"
#include "media_test_files.h"
#include "platform/control_display.h"
#include "platform/game_paths.h"
#include "platform/movie_control.h"
#include "platform/runtime_fixture.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

// A main window with a movie control, on the virtual clock, with movies in the game folder.
class MovieControlTest : public ::testing::Test {
  protected:
    MovieControlTest() {
        runtime_.desktop.SetMovieEngine(&engine_);
        window_.Show();
        movie_->OnModeChange = [this](const std::string& mode) {
            events_.push_back(Stamp() + " " + mode);
        };
        movie_->OnModeChangeEx = [this](int code) {
            events_.push_back(Stamp() + " " + std::to_string(code));
        };
    }

    // The full path the game builds for a movie in its media folder.
    std::string Movie(const std::string& name, const testing::AviHeader& header) {
        folder_.Write("resource/mmedia/" + name, testing::Avi(header));
        return paths_.GameFolder() + "resource\\mmedia\\" + name;
    }

    std::string Stamp() const { return std::to_string(runtime_.clock.Now()); }

    void Pass(TimeMs ms) { runtime_.loop.PassTime(ms); }

    testing::TempFolder folder_;
    GamePaths paths_{folder_.Path()};
    testing::Runtime runtime_;
    HeadlessMovieEngine engine_{runtime_.loop, paths_};
    Window window_{runtime_.desktop, "Main"};
    std::unique_ptr<MovieControl> movie_ = std::make_unique<MovieControl>(window_, "MovieWindow");
    std::vector<std::string> events_;
};

TEST_F(MovieControlTest, OpeningSizesTheControlWithoutEvents) {
    EXPECT_EQ(movie_->Mode(), "not ready");
    movie_->Move(10, 20, 700, 475);
    const std::string path = Movie("Intro.avi", {40000, 50, 320, 200});
    movie_->SetFileName(path);
    EXPECT_EQ(movie_->FileName(), path);
    EXPECT_EQ(movie_->Mode(), "stopped");
    EXPECT_EQ(movie_->ModeCode(), MovieControl::kModeStopped);
    EXPECT_EQ(movie_->MovieWidth(), 320);
    EXPECT_EQ(movie_->MovieHeight(), 200);
    EXPECT_EQ(movie_->MovieLength(), 2000);
    EXPECT_EQ(movie_->Bounds(), (Rect{10, 20, 320, 200}));
    runtime_.loop.PumpEvents();
    EXPECT_TRUE(events_.empty());

    // The caller may size it afterwards; the movie keeps its own size.
    movie_->Move(0, 0, 400, 321);
    EXPECT_EQ(movie_->MovieWidth(), 320);
}

TEST_F(MovieControlTest, PlayRunsForTheMoviesDurationThenReportsStopped) {
    movie_->SetFileName(Movie("scene.avi", {100000, 25, 160, 120}));
    movie_->SetCommand("play");
    EXPECT_EQ(movie_->Mode(), "playing");
    EXPECT_TRUE(runtime_.loop.WaitUntil([&] { return movie_->Mode() == "stopped"; },
                                        EventLoop::kUnbounded));
    runtime_.loop.PumpEvents();
    EXPECT_EQ(events_,
              (std::vector<std::string>{"0 playing", "0 526", "2500 stopped", "2500 525"}));
    // Played to its end, it plays again from its start.
    events_.clear();
    movie_->SetCommand("Play");
    Pass(2500);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(events_,
              (std::vector<std::string>{"2500 playing", "2500 526", "5000 stopped", "5000 525"}));
}

TEST_F(MovieControlTest, StopHaltsWhereItStandsAndPlayGoesOn) {
    movie_->SetFileName(Movie("scene.avi", {40000, 100, 160, 120}));
    movie_->SetCommand("play");
    Pass(1000);
    movie_->SetCommand("STOP");
    Pass(10'000);
    // Stopping again while stopped changes nothing.
    movie_->SetCommand("stop");
    movie_->SetCommand("play");
    Pass(5000);
    EXPECT_EQ(events_, (std::vector<std::string>{"0 playing", "0 526", "1000 stopped", "1000 525",
                                                 "11000 playing", "11000 526", "14000 stopped",
                                                 "14000 525"}));
}

TEST_F(MovieControlTest, CloseEndsTheMovieWithoutEvents) {
    movie_->SetFileName(Movie("scene.avi", {40000, 100, 160, 120}));
    movie_->SetCommand("play");
    runtime_.loop.PumpEvents();
    events_.clear();
    movie_->SetCommand("close");
    Pass(10'000);
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(movie_->Mode(), "not ready");
    EXPECT_EQ(movie_->FileName(), "");
    EXPECT_EQ(movie_->MovieWidth(), 0);
    // Stop and close with nothing open are harmless; play is an error.
    movie_->SetCommand("stop");
    movie_->SetCommand("close");
    EXPECT_EQ(ErrorNumberOf([&] { movie_->SetCommand("play"); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { movie_->SetCommand("rewind"); }), 5);
}

// The scene movie's handling: on "stopped" the handler closes the control.
TEST_F(MovieControlTest, AHandlerMayCloseTheControlWhenItStops) {
    movie_->OnModeChange = [this](const std::string& mode) {
        events_.push_back(Stamp() + " " + mode);
        if (mode == "stopped") {
            movie_->SetCommand("close");
            movie_->SetVisible(false);
        }
    };
    movie_->SetFileName(Movie("scene.avi", {40000, 25, 160, 120}));
    movie_->SetCommand("play");
    Pass(5000);
    EXPECT_EQ(events_,
              (std::vector<std::string>{"0 playing", "0 526", "1000 stopped", "1000 525"}));
    EXPECT_EQ(movie_->Mode(), "not ready");
    EXPECT_FALSE(movie_->Visible());
}

TEST_F(MovieControlTest, ReplacingTheFileClosesTheOldMovie) {
    movie_->SetFileName(Movie("one.avi", {40000, 25, 160, 120}));
    movie_->SetCommand("play");
    movie_->SetFileName("");
    EXPECT_EQ(movie_->Mode(), "not ready");
    movie_->SetFileName(Movie("two.avi", {40000, 75, 640, 480}));
    movie_->SetCommand("play");
    Pass(5000);
    EXPECT_EQ(events_, (std::vector<std::string>{"0 playing", "0 526", "0 playing", "0 526",
                                                 "3000 stopped", "3000 525"}));
    EXPECT_EQ(movie_->Width(), 640);
}

TEST_F(MovieControlTest, FilesThatCannotOpenFailAndLeaveTheControlClosed) {
    movie_->SetFileName(Movie("good.avi", {40000, 25, 160, 120}));
    folder_.Write("resource/mmedia/broken.avi", "RIFF\x10\0\0\0AVI LIST");
    EXPECT_EQ(ErrorNumberOf([&] {
                  movie_->SetFileName(paths_.GameFolder() + "resource\\mmedia\\broken.avi");
              }),
              321);
    EXPECT_EQ(movie_->Mode(), "not ready");
    EXPECT_EQ(movie_->FileName(), "");
    EXPECT_EQ(ErrorNumberOf([&] {
                  movie_->SetFileName(paths_.GameFolder() + "resource\\mmedia\\missing.avi");
              }),
              53);
    EXPECT_EQ(ErrorNumberOf([&] { movie_->SetFileName("/etc/passwd"); }), 53);
    runtime_.desktop.SetMovieEngine(nullptr);
    EXPECT_EQ(ErrorNumberOf([&] { movie_->SetFileName(Movie("good.avi", {})); }), 68);
    EXPECT_TRUE(events_.empty());
}

TEST_F(MovieControlTest, EventsOfAControlThatIsGoneAreDropped) {
    movie_->SetFileName(Movie("scene.avi", {40000, 25, 160, 120}));
    movie_->SetCommand("play");
    movie_->SetCommand("stop");
    movie_.reset();
    Pass(2000);
    EXPECT_TRUE(events_.empty());
}

TEST_F(MovieControlTest, AHandlerMayDestroyTheControl) {
    movie_->OnModeChange = [this](const std::string& mode) {
        events_.push_back(mode);
        movie_.reset();
    };
    movie_->SetFileName(Movie("scene.avi", {40000, 25, 160, 120}));
    movie_->SetCommand("play");
    Pass(2000);
    EXPECT_EQ(events_, std::vector<std::string>{"playing"});
}

}  // namespace
}  // namespace morvane
