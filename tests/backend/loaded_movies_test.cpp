#include "backend/loaded_movies.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/game_paths.h"
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::ErrorNumberOf;

// Where the movies module cannot be loaded (missing, or a file that is no module), the run
// hears why once and every movie fails to open as a file that cannot be played.
TEST(LoadedMovies, WithoutTheModuleMoviesCannotPlayAndTheUserIsToldOnce) {
    testing::TempFolder folder;
    folder.Write("broken/morvane-movies.so", "not a shared object");
    for (const auto& folders : std::vector<std::vector<std::filesystem::path>>{
             {}, {folder.Path() / "nowhere"}, {folder.Path() / "broken"}}) {
        VirtualClock clock;
        EventLoop loop(clock);
        const GamePaths paths(folder.Path());
        std::vector<std::string> notices;
        const MovieMaker make = LoadedFfmpegMovies(
            folders, [&notices](const std::string& line) { notices.push_back(line); });
        const auto movies = make(loop, paths, nullptr);
        EXPECT_TRUE(notices.empty()) << "nothing is loaded before the first movie";
        EXPECT_EQ(ErrorNumberOf([&] { movies->Open("intro.avi"); }), 321);
        EXPECT_EQ(ErrorNumberOf([&] { movies->Open("intro.avi"); }), 321);
        ASSERT_EQ(notices.size(), 1U);
        EXPECT_EQ(notices[0].rfind("movies cannot play: ", 0), 0U) << notices[0];
    }
}

}  // namespace
}  // namespace morvane
