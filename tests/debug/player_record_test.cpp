#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "debug/control_name.h"
#include "debug/script.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/input_source.h"
#include "player/player.h"
#include "support/demo_runs.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// A person at the game: each act comes a given time after the one before. A loop that opens
// meanwhile (a modal window) waits out the same time, as the person would not act any sooner.
class TimedUser final : public InputSource {
  public:
    using Act = std::function<void()>;

    void After(TimeMs ms, Act act) { acts_.push_back({ms, std::move(act)}); }

    InputStep TakeInput(EventLoop& loop) override {
        ++requests_;
        if (next_ >= acts_.size()) {
            return InputStep::Ended();
        }
        if (!due_) {
            due_ = loop.Now() + acts_[next_].first;
        }
        if (loop.Now() < *due_) {
            return InputStep::WaitUntil(*due_);
        }
        due_.reset();
        acts_[next_++].second();
        return InputStep::Continue();
    }

    int Requests() const { return requests_; }

  private:
    std::vector<std::pair<TimeMs, Act>> acts_;
    std::size_t next_ = 0;
    std::optional<TimeMs> due_;
    int requests_ = 0;
};

// The demo game the build made, played headless by synthesized input as the user.
class RecordedDemo : public ::testing::Test {
  protected:
    RecordedDemo() {
        testing::CopyDemoGame(folder_.Path() / "played");
        testing::CopyDemoGame(folder_.Path() / "replayed");
    }

    PlayerOptions Options(const char* copy) const {
        PlayerOptions options;
        options.game_folder = folder_.Path() / copy;
        options.headless = true;
        return options;
    }

    // A wait of `ms`, then the pointer onto the control and a click on it, as a person does.
    static void ClickAfter(TimedUser& user, Player& player, TimeMs ms, const std::string& control) {
        Desktop& desktop = player.GetDesktop();
        user.After(ms, [&desktop, control] {
            const Control* target = FindControl(desktop, control);
            EXPECT_NE(target, nullptr) << control;
            if (target != nullptr) {
                const Point centre = desktop.ScreenBounds(*target).Centre();
                desktop.PostMouseMove(centre);
                desktop.PostClick(centre);
            }
        });
    }

    static std::string LastState(const std::string& output) {
        std::istringstream in(output);
        std::string state;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("state: ", 0) == 0) {
                state = line;
            }
        }
        return state;
    }

    testing::TempFolder folder_;
};

TEST_F(RecordedDemo, APlayRecordedReplaysHeadlessToTheSameState) {
    const auto recording = folder_.Path() / "walk.txt";
    std::ostringstream played_out;
    std::ostringstream errors;
    {
        PlayerOptions options = Options("played");
        options.record = recording;
        Player player(options, played_out);
        // New Game, the oil can, the bell, the arrow to the lighthouse; then time for the
        // gull, whose delay runs on the clock alone.
        TimedUser user;
        ClickAfter(user, player, 6000, "MainMenu.Buttn(2)");
        ClickAfter(user, player, 2500, "Main.Animation(4)");
        ClickAfter(user, player, 800, "Main.Animation(5)");
        ClickAfter(user, player, 1700, "Main.Directionl(2)");
        user.After(5000, [] {});
        player.SetUser(&user);
        ASSERT_EQ(player.Run(std::nullopt, errors), 0) << errors.str();
        EXPECT_EQ(player.State().Flags(3), 1);
        EXPECT_EQ(player.State().CurrentScene, 3);
    }
    const std::string script = testing::ReadWholeFile(recording);
    for (const char* line :
         {"click MainMenu.Buttn(2)\n", "hover Main.Animation(4)\n", "click Main.Animation(4)\n",
          "click Main.Directionl(2)\n", "expect scene 3\n", "state\n"}) {
        EXPECT_NE(script.find(line), std::string::npos) << line << " in\n" << script;
    }
    const ParsedScript parsed = ParseScript(script);
    ASSERT_FALSE(parsed.error) << DescribeScriptError(*parsed.error);

    std::ostringstream replayed_out;
    PlayerOptions options = Options("replayed");
    options.strict = true;
    Player replay(options, replayed_out);
    EXPECT_EQ(replay.Run(parsed.commands, errors), 0)
        << replayed_out.str() << errors.str() << "\nthe recording:\n"
        << script;
    EXPECT_FALSE(LastState(played_out.str()).empty()) << played_out.str();
    EXPECT_EQ(LastState(replayed_out.str()), LastState(played_out.str()));
}

TEST_F(RecordedDemo, ContinueHandsTheGameToTheUserWhenTheScriptEnds) {
    const ParsedScript start = ParseScript("wait 6000\nclick MainMenu.Buttn(2)\n");
    ASSERT_FALSE(start.error);
    for (const bool go_on : {false, true}) {
        SCOPED_TRACE(go_on ? "--continue" : "without --continue");
        PlayerOptions options = Options(go_on ? "played" : "replayed");
        options.continue_play = go_on;
        std::ostringstream out;
        std::ostringstream errors;
        Player player(options, out);
        TimedUser user;
        ClickAfter(user, player, 2500, "Main.Animation(4)");
        player.SetUser(&user);
        EXPECT_EQ(player.Run(start.commands, errors), 0) << errors.str();
        EXPECT_EQ(player.State().CurrentScene, 1);
        // The user's click on the oil can comes only after the script, and only with
        // --continue.
        EXPECT_EQ(player.State().Flags(3), go_on ? 1 : 0);
        EXPECT_EQ(user.Requests() > 0, go_on);
    }
}

}  // namespace
}  // namespace morvane
