#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "database/game_data.h"
#include "media/ffmpeg_test_movie.h"
#include "support/game_builder.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// The built morvane-player as a user meets it: its command line, its settings file and the
// plain lines it ends with when it cannot play.
class PlayerProgramTest : public ::testing::Test {
  protected:
    PlayerProgramTest() {
        GameData game;
        game.General = GeneralRecord{};
        testing::GameBuilder(Game()).Write(game);
        // Nobody's own settings file changes what the tests see.
        config_ = folder_.Path() / "config";
    }

    std::filesystem::path Game() const { return folder_.Path() / "game"; }

    testing::PlayerRun Run(const std::string& arguments,
                           const std::string& environment = "") const {
        return testing::RunPlayer(folder_, arguments, "",
                                  "XDG_CONFIG_HOME='" + config_.string() + "' " + environment);
    }

    static std::string Quoted(const std::filesystem::path& path) {
        return "'" + path.string() + "'";
    }

    testing::TempFolder folder_;
    std::filesystem::path config_;
};

TEST_F(PlayerProgramTest, HelpAndVersionGoToStandardOutput) {
    const auto help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: morvane-player [OPTION]... [GAME_FOLDER]\n", 0), 0U)
        << help.out;
    EXPECT_EQ(help.err, "");
    const auto version = Run("-V");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("morvane-player ", 0), 0U);
}

TEST_F(PlayerProgramTest, AWrongCommandLineIsOneLineAndAHint) {
    for (const auto& [arguments, line] : std::vector<std::pair<std::string, std::string>>{
             {"--fast", "unknown option --fast"},
             {"--volume=loud", "--volume: volume must be a whole number from 0 to 100, not 'loud'"},
             {"--scale", "--scale needs a value (fit|integer|smooth)"},
         }) {
        const auto run = Run(Quoted(Game()) + " --headless " + arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.err, "morvane-player: " + line +
                               "\nTry 'morvane-player --help' for more information.\n");
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(PlayerProgramTest, WhatIsNotAGameFolderEndsTheRunWithStatusTwo) {
    const auto file = folder_.Write("letter.txt", "dear player");
    const auto empty = folder_.Path() / "empty";
    std::filesystem::create_directories(empty);
    for (const auto& folder : {folder_.Path() / "missing", file, empty}) {
        const auto run = Run(Quoted(folder) + " --headless");
        EXPECT_EQ(run.status, 2) << folder;
        EXPECT_EQ(run.err, "morvane-player: not a game folder: " + folder.string() +
                               " (resource/Morvane1.dat not found)\n");
        EXPECT_EQ(run.out, "");
    }
    // Some of the files are enough: the others count no records.
    const auto partial = folder_.Path() / "partial";
    std::filesystem::create_directories(partial / "resource");
    std::filesystem::copy_file(Game() / "resource" / "Morvane4.dat",
                               partial / "resource" / "Morvane4.dat");
    const auto plays = Run(Quoted(partial) + " --headless");
    EXPECT_EQ(plays.status, 0) << plays.err;
    EXPECT_EQ(plays.err, "");
}

TEST_F(PlayerProgramTest, TheSettingsFileIsReadAndItsBadLinesReported) {
    folder_.Write("config/morvane-player/settings.ini", "log = true\nvolume = 300\n");
    // The demo game logs as soon as a new game loads its first scene.
    const auto demo = folder_.Path() / "demo";
    std::filesystem::copy(std::filesystem::path(MORVANE_BUILD_DIR) / "games" / "demo", demo,
                          std::filesystem::copy_options::recursive);
    const auto script =
        folder_.Write("walk.txt", "wait 8000\nclick MainMenu.Buttn(2)\nwait 3000\n");
    const auto run = Run(Quoted(demo) + " --headless --script " + Quoted(script));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "morvane-player: " + (config_ / "morvane-player" / "settings.ini").string() +
                           ":2: volume must be a whole number from 0 to 100, not '300' (line "
                           "ignored)\n");
    // The file turned the log on; the command line did not ask for it.
    EXPECT_NE(run.out.find("log: "), std::string::npos) << run.out;
    const auto quiet = Run(Quoted(demo) + " --headless --script " + Quoted(script),
                           "XDG_CONFIG_HOME=/nonexistent");
    EXPECT_EQ(quiet.out.find("log: "), std::string::npos) << quiet.out;
}

TEST_F(PlayerProgramTest, NoDisplayWithoutHeadlessIsOneLineAndStatusTwo) {
    const auto run = Run(Quoted(Game()), "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("morvane-player: no display", 0), 0U) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

TEST_F(PlayerProgramTest, NoSoundDeviceIsOneLineThenSilentPlay) {
    const auto script = folder_.Write("walk.txt", "wait 200\nstate\n");
    const auto run =
        Run(Quoted(Game()) + " --script " + Quoted(script), "SDL_AUDIODRIVER=no-such-driver");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.rfind("morvane-player: no sound device", 0), 0U) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.out.find("state: "), std::string::npos);
}

TEST_F(PlayerProgramTest, SavedGamesGoWhereTheUserChose) {
    const auto game = folder_.Path() / "menu-game";
    testing::GameBuilder(game).WriteJson(
        R"({"general": {"35": "1", "37": 1, "52": 1, "57": 1}, "scenes": [{}]})");
    const auto script = folder_.Write(
        "save.txt",
        "wait 3000\nclick MainMenu.Buttn(2)\nwait 2000\nclick Main.SaveGameButtn\nwait 300\n"
        "type SaveGame.Text1 mine\nclick SaveGame.ButtnOK\nwait 300\n");
    const auto chosen = folder_.Path() / "my saves" / "here";
    const auto run = Run(Quoted(game) + " --headless --strict --saves " + Quoted(chosen) +
                         " --script " + Quoted(script));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::filesystem::file_size(chosen / "mine.sav"), 1113U);
    EXPECT_FALSE(std::filesystem::exists(game / "Saved" / "mine.sav"));
}

// In a window the movies come from the movies module, loaded when the first one plays: the
// intro movie at start-up plays through it with no message and no complaint.
TEST_F(PlayerProgramTest, AWindowPlaysMoviesFromTheMoviesModule) {
    const auto game = folder_.Path() / "movie-game";
    testing::GameBuilder(game).WriteJson(
        R"({"general": {"35": "1", "37": 1, "103": 1, "106": "intro.avi"}, "scenes": [{}]})");
    testing::TestMovie movie;
    movie.frames = 5;
    testing::WriteTestMovie(game / "resource" / "mmedia" / "intro.avi", movie);
    const auto script = folder_.Write("watch.txt", "wait 3000\nstate\n");
    const auto run = Run(Quoted(game) + " --trace-media --script " + Quoted(script));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("movies cannot play"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("msgbox:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("intro.avi"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace morvane
