#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <sstream>
#include <string>
#include <vector>

#include "forms/notify_log.h"
#include "player/player.h"
#include "support/count_of.h"
#include "support/game_builder.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

extern char** environ;

namespace morvane {
namespace {

// Entering either scene adds 1 to flag 2, which runs the rules: a zero-second delay adds 1 to
// flag 1 and a responder on flag 1 jumps to the other scene. The delays restart each other
// through cascades that are abandoned again and again.
constexpr const char* kPingPongGame = R"({
  "general": {"1": "Ping Pong", "35": "1", "37": 1},
  "scenes": [
    {"header": {"23": 1, "24": 2, "25": 1, "26": 1},
     "objects": [
      {"kind": 6, "p12": 1, "p13": 9, "p14": 0, "p15": 0, "p16": 0, "p17": 1, "p18": 1, "p19": 1},
      {"kind": 5, "p12": 1, "p13": 1, "p14": 3, "p15": 0, "p22": 1, "p23": 2}]},
    {"header": {"23": 1, "24": 2, "25": 1, "26": 1},
     "objects": [
      {"kind": 6, "p12": 1, "p13": 9, "p14": 0, "p15": 0, "p16": 0, "p17": 1, "p18": 1, "p19": 1},
      {"kind": 5, "p12": 1, "p13": 1, "p14": 3, "p15": 0, "p22": 1, "p23": 1}]}
  ]
})";

struct MeasuredRun {
    testing::PlayerRun run;
    long max_rss_kb = 0;
};

// Plays `script` headless with the log on, measuring the most memory the player held.
MeasuredRun PlayMeasured(const testing::TempFolder& scratch, const std::filesystem::path& game,
                         const std::string& script) {
    const auto file = scratch.Write("walk.txt", script);
    const auto out = scratch.Path() / "out.txt";
    const auto err = scratch.Path() / "err.txt";
    const std::string command = std::string("exec '") + MORVANE_BUILD_DIR + "/morvane-player' '" +
                                game.string() + "' --headless --log --script '" + file.string() +
                                "' > '" + out.string() + "' 2> '" + err.string() + "' < /dev/null";
    std::vector<char*> argv{const_cast<char*>("sh"), const_cast<char*>("-c"),
                            const_cast<char*>(command.c_str()), nullptr};
    pid_t pid = 0;
    MeasuredRun measured;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv.data(), environ) != 0) {
        ADD_FAILURE() << "cannot start the player";
        return measured;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    measured.run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    measured.run.out = testing::ReadWholeFile(out);
    measured.run.err = testing::ReadWholeFile(err);
    measured.max_rss_kb = usage.ru_maxrss;
    return measured;
}

// Ten minutes of game time of the ping-pong: one message, play goes on, and the player holds
// no more memory than after one minute.
TEST(RunawayGame, TimerPingPongIsStoppedOnceAndMemoryStaysFlat) {
    testing::TempFolder scratch;
    const auto game = scratch.Path() / "game";
    testing::GameBuilder(game).WriteJson(kPingPongGame);
    const std::string start = "wait 3000\nclick MainMenu.Buttn(2)\n";

    const MeasuredRun minute = PlayMeasured(scratch, game, start + "wait 60000\nstate\n");
    const MeasuredRun ten = PlayMeasured(scratch, game, start + "wait 600000\nstate\n");
    for (const MeasuredRun* run : {&minute, &ten}) {
        EXPECT_EQ(run->run.status, 0) << run->run.err;
        EXPECT_EQ(testing::CountOf(run->run.out, "msgbox: "), 1) << run->run.out.substr(0, 4000);
        EXPECT_EQ(
            testing::CountOf(run->run.out, "Delay1 in scene 1 and Delay1 in scene 2 are stopped"),
            1);
        EXPECT_EQ(testing::CountOf(run->run.out, "state: "), 1);
    }
    EXPECT_EQ(ten.run.out, minute.run.out) << "nothing happens after the loop is stopped";
    EXPECT_LT(ten.max_rss_kb, minute.max_rss_kb + 16 * 1024)
        << minute.max_rss_kb << " KB after a minute";
}

// The notify list keeps the newest lines up to its limit while the output prints every line.
TEST(RunawayGame, TheNotifyListHoldsAtItsLimitWhileEveryLineIsPrinted) {
    testing::TempFolder folder;
    testing::GameBuilder(folder.Path()).WriteJson(R"({"scenes": [{}]})");
    PlayerOptions options;
    options.game_folder = folder.Path();
    options.headless = true;
    std::ostringstream out;
    Player player(options, out);
    const int lines = kNotifyLogLimit + 50;
    for (int n = 1; n <= lines; ++n) {
        player.LogLine("line " + std::to_string(n));
    }
    const ListBox& list = player.GetForms().NoWin.List1;
    EXPECT_EQ(list.ListCount(), kNotifyLogLimit);
    EXPECT_EQ(list.List(0), "line 51");
    EXPECT_EQ(list.List(kNotifyLogLimit - 1), "line " + std::to_string(lines));
    EXPECT_EQ(testing::CountOf(out.str(), "log: line "), lines);
}

}  // namespace
}  // namespace morvane
