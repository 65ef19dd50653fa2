#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "media/broken_music.h"
#include "support/game_builder.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// The menu plays broken music in a real window with real audio (SDL's driver that mixes into
// a file): New Game is clicked and the first scene must load within a second. Before music was
// checked, the synthesizer spun inside the audio callback and the next call to the mixer froze
// the player for good, so every run is killed after half a minute. Each run ends with its
// script and must leave nothing for the leak checker but the system libraries' known leaks.
TEST(BrokenMusicWindow, NewGameLoadsTheSceneWhateverTheMenuMusic) {
    if (std::system("command -v xvfb-run > /dev/null") != 0) {
        GTEST_SKIP() << "xvfb-run is not installed";
    }
    testing::TempFolder scratch;
    // The kinds that froze the player, and the other kinds of damage the synthesizer sees
    // first; the music checks' own test covers every kind headless.
    std::vector<testing::BrokenMusic> kinds;
    for (const testing::BrokenMusic& kind : testing::BrokenMidiFiles()) {
        if (kind.what == "empty" || kind.what == "bare header" || kind.what == "random bytes" ||
            kind.what == "truncated" || kind.what == "track longer than the file" ||
            kind.what == "tempo of zero") {
            kinds.push_back(kind);
        }
    }
    kinds.push_back({"lasting no time", testing::ZeroLengthMidi()});
    kinds.push_back({"well formed", testing::OneNoteMidi()});
    std::string games;
    for (std::size_t n = 0; n < kinds.size(); ++n) {
        const auto game = scratch.Path() / ("game" + std::to_string(n));
        testing::GameBuilder(game)
            .WriteJson(R"({"general": {"1": "Music", "33": "menu.mid", "35": "1", "37": 1},
                           "scenes": [{"header": {"1": "One"}}]})")
            .WriteRaw("mmedia/menu.mid", kinds[n].bytes);
        games += " '" + game.string() + "'";
    }
    const auto script =
        scratch.Write("walk.txt",
                      "wait 2500\nexpect visible MainMenu\nclick MainMenu.Buttn(2)\nwait 1000\n"
                      "expect scene 1\n");
    // One virtual display for all the games, one after the other.
    const std::string command =
        "cd '" + scratch.Path().string() + "' && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + "'" +
        (scratch.Path() / "audio.raw").string() +
        "' LSAN_OPTIONS=suppressions=" + MORVANE_SOURCE_DIR + "/tests/lsan_suppressions.txt " +
        "xvfb-run -a -s '-screen 0 1024x768x24' bash -c 'for g in \"$@\"; do "
        "timeout -s KILL 30 \"$0\" \"$g\" --script \"" +
        script.string() +
        "\" > \"$g.out\" "
        "2> \"$g.err\"; echo $? > \"$g.status\"; done' '" +
        MORVANE_BUILD_DIR + "/morvane-player'" + games + " > xvfb.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0)
        << testing::ReadWholeFile(scratch.Path() / "xvfb.log");

    for (std::size_t n = 0; n < kinds.size(); ++n) {
        SCOPED_TRACE(kinds[n].what);
        const auto game = scratch.Path() / ("game" + std::to_string(n));
        const std::string out = testing::ReadWholeFile(game.string() + ".out");
        EXPECT_EQ(testing::ReadWholeFile(game.string() + ".status"), "0\n")
            << out << testing::ReadWholeFile(game.string() + ".err");
        EXPECT_EQ(out.find("FAIL"), std::string::npos) << out;
        // The window closes cleanly: nothing of the player's own is left for the leak checker.
        EXPECT_EQ(testing::ReadWholeFile(game.string() + ".err").find("Sanitizer"),
                  std::string::npos);
        const bool broken = n < kinds.size() - 2;
        EXPECT_EQ(out.find("ERROR PLAYING MIDI FILE") != std::string::npos, broken) << out;
    }
}

}  // namespace
}  // namespace morvane
