#include "platform/event_loop.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/runtime_error.h"
#include "platform/clock.h"
#include "platform/timer.h"
#include "runtime_fixture.h"
#include "support/runtime_errors.h"

namespace morvane {
namespace {

using testing::Act;
using testing::Journal;
using testing::OneShot;
using testing::StepInput;

class EventLoopTest : public ::testing::Test {
  protected:
    VirtualClock clock_{1000};
    EventLoop loop_{clock_};
};

TEST_F(EventLoopTest, TimersTickInDueOrderAndAtTheirIntervals) {
    const std::vector<std::pair<std::string, int>> settings = {
        {"slow", 300}, {"fast", 100}, {"mid", 200}};
    std::vector<std::unique_ptr<Timer>> timers;
    std::vector<std::pair<TimeMs, std::string>> ticks;
    for (const auto& [name, interval] : settings) {
        auto timer = std::make_unique<Timer>(loop_);
        timer->SetInterval(interval);
        timer->OnTimer = [&, name = name] { ticks.emplace_back(loop_.Now(), name); };
        timers.push_back(std::move(timer));
    }
    const TimeMs start = loop_.Now();
    const TimeMs span = 1200;
    loop_.PassTime(span);
    EXPECT_EQ(loop_.Now(), start + span);

    std::map<std::string, std::vector<TimeMs>> by_timer;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        by_timer[ticks[i].second].push_back(ticks[i].first);
        if (i > 0) {
            ASSERT_LE(ticks[i - 1].first, ticks[i].first) << "ticks out of time order";
        }
    }
    for (const auto& [name, interval] : settings) {
        const auto& times = by_timer[name];
        ASSERT_EQ(static_cast<TimeMs>(times.size()), span / interval) << name;
        for (std::size_t k = 0; k < times.size(); ++k) {
            EXPECT_EQ(times[k], start + static_cast<TimeMs>(k + 1) * interval) << name;
        }
    }
    // Timers due at the same moment tick in the order they were made.
    std::vector<std::string> at_600;
    for (const auto& [when, name] : ticks) {
        if (when == start + 600) {
            at_600.push_back(name);
        }
    }
    EXPECT_EQ(at_600, (std::vector<std::string>{"slow", "fast", "mid"}));
}

TEST_F(EventLoopTest, ATimerTicksInsideAnotherHandlersWait) {
    Journal journal;
    bool released = false;
    Timer waiter(loop_);
    Timer releaser(loop_);
    waiter.SetInterval(100);
    waiter.OnTimer = [&] {
        waiter.SetEnabled(false);
        journal.Add("wait begins");
        const bool ended = loop_.WaitUntil([&] { return released; }, 10'000);
        journal.Add(ended ? "wait ends" : "wait gives up");
    };
    OneShot(releaser, 250, [&] {
        released = true;
        journal.Add("released");
    });
    const TimeMs start = loop_.Now();
    EXPECT_TRUE(loop_.WaitUntil([&] { return released && !waiter.Enabled(); }, 10'000));
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"wait begins", "released", "wait ends"}));
    EXPECT_EQ(loop_.Now(), start + 250);
}

TEST_F(EventLoopTest, AWaitingHandlerIsNotTickedAgainBeforeAFullInterval) {
    Timer timer(loop_);
    const int interval = 100;
    timer.SetInterval(interval);
    std::vector<TimeMs> ticks;
    int depth = 0;
    int deepest = 0;
    TimeMs nested_wait = interval - 1;
    timer.OnTimer = [&] {
        ticks.push_back(loop_.Now());
        ++depth;
        deepest = std::max(deepest, depth);
        if (ticks.size() == 1) {
            loop_.WaitUntil([] { return false; }, nested_wait);
        }
        --depth;
    };
    loop_.PassTime(interval);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(deepest, 1) << "the handler's own wait ticked it again within one interval";

    // A wait longer than the interval does see the next tick, one full interval later.
    ticks.clear();
    deepest = 0;
    nested_wait = interval + interval / 2;
    loop_.PassTime(interval);
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_EQ(ticks[1] - ticks[0], interval);
    EXPECT_EQ(deepest, 2);
}

TEST_F(EventLoopTest, IntervalZeroNeverTicks) {
    Timer timer(loop_);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.DueTime().has_value());
    const TimeMs start = loop_.Now();
    EXPECT_FALSE(loop_.WaitUntil([] { return false; }, EventLoop::kUnbounded));
    loop_.PassTime(10 * 60 * 1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(loop_.Now(), start + 10 * 60 * 1000);
}

TEST_F(EventLoopTest, NegativeIntervalIsAnInvalidPropertyValue) {
    Timer timer(loop_);
    EXPECT_EQ(testing::ErrorNumberOf([&] { timer.SetInterval(-1); }), 380);
}

TEST_F(EventLoopTest, DisablingInTheHandlerMakesAOneShotAndEnablingRestartsTheInterval) {
    Timer timer(loop_);
    std::vector<TimeMs> ticks;
    timer.OnTimer = [&] {
        timer.SetEnabled(false);
        ticks.push_back(loop_.Now());
    };
    timer.SetInterval(200);
    const TimeMs start = loop_.Now();
    loop_.PassTime(1000);
    ASSERT_EQ(ticks, (std::vector<TimeMs>{start + 200}));

    timer.SetEnabled(true);
    const TimeMs enabled_at = loop_.Now();
    loop_.PassTime(1000);
    EXPECT_EQ(ticks, (std::vector<TimeMs>{start + 200, enabled_at + 200}));
}

TEST_F(EventLoopTest, SettingTheIntervalStartsTheCountdownAfresh) {
    Timer timer(loop_);
    std::vector<TimeMs> ticks;
    timer.OnTimer = [&] { ticks.push_back(loop_.Now()); };
    timer.SetInterval(300);
    loop_.PassTime(250);
    timer.SetInterval(300);
    const TimeMs reset_at = loop_.Now();
    loop_.PassTime(299);
    EXPECT_TRUE(ticks.empty());
    loop_.PassTime(1);
    EXPECT_EQ(ticks, (std::vector<TimeMs>{reset_at + 300}));
}

TEST_F(EventLoopTest, VirtualTimeJumpsOverAnIdleWait) {
    const TimeMs ten_minutes = 10 * 60 * 1000;
    Timer timer(loop_);
    bool done = false;
    int pumps_seen = 0;
    OneShot(timer, static_cast<int>(ten_minutes), [&] { done = true; });
    const TimeMs start = loop_.Now();
    EXPECT_TRUE(loop_.WaitUntil(
        [&] {
            ++pumps_seen;
            return done;
        },
        EventLoop::kUnbounded));
    EXPECT_EQ(loop_.Now(), start + ten_minutes);
    // One look before the jump and one after it: the wait does not step through the minutes.
    EXPECT_EQ(pumps_seen, 2);
}

TEST_F(EventLoopTest, TheBoundEndsAWaitThatNothingSatisfies) {
    Timer busy(loop_);
    busy.SetInterval(70);
    int ticks = 0;
    busy.OnTimer = [&] { ++ticks; };
    const TimeMs start = loop_.Now();
    const TimeMs bound = 1000;
    EXPECT_FALSE(loop_.WaitUntil([] { return false; }, bound));
    EXPECT_EQ(loop_.Now(), start + bound);
    EXPECT_EQ(ticks, bound / 70);
}

TEST_F(EventLoopTest, AWaitThatNothingCanEndReturnsAtOnce) {
    Timer idle(loop_);
    idle.SetInterval(100);
    idle.SetEnabled(false);
    const TimeMs start = loop_.Now();
    EXPECT_FALSE(loop_.WaitUntil([] { return false; }, EventLoop::kUnbounded));
    EXPECT_EQ(loop_.Now(), start);
}

TEST_F(EventLoopTest, AConditionAlreadyTrueEndsTheWaitAfterOnePump) {
    bool ran = false;
    loop_.Post([&] { ran = true; });
    EXPECT_TRUE(loop_.WaitUntil([&] { return ran; }, 0));
}

TEST_F(EventLoopTest, EventsPostedDuringAPumpWaitForTheNextOne) {
    Journal journal;
    loop_.Post([&] {
        journal.Add("first");
        loop_.Post(journal.Note("posted by first"));
    });
    loop_.Post(journal.Note("second"));
    loop_.PumpEvents();
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(loop_.HasPendingEvents());
    loop_.PumpEvents();
    EXPECT_EQ(journal.lines.back(), "posted by first");
}

TEST_F(EventLoopTest, PendingEventsRunBeforeDueTimersAndANestedPumpTakesLaterEvents) {
    Journal journal;
    Timer timer(loop_);
    OneShot(timer, 10, journal.Note("timer"));
    clock_.SleepUntil(loop_.Now() + 10);
    loop_.Post([&] {
        journal.Add("outer begins");
        loop_.PumpEvents();
        journal.Add("outer ends");
    });
    loop_.Post(journal.Note("inner"));
    loop_.PumpEvents();
    EXPECT_EQ(journal.lines,
              (std::vector<std::string>{"outer begins", "inner", "timer", "outer ends"}));
}

TEST_F(EventLoopTest, ATimerDestroyedByAnotherHandlerInTheSamePumpDoesNotTick) {
    Timer killer(loop_);
    auto victim = std::make_unique<Timer>(loop_);
    int victim_ticks = 0;
    killer.OnTimer = [&] { victim.reset(); };
    victim->OnTimer = [&] { ++victim_ticks; };
    // Both fall due at the same moment; the killer, made first, ticks first.
    killer.SetInterval(100);
    victim->SetInterval(100);
    loop_.PassTime(500);
    EXPECT_EQ(victim_ticks, 0);
    EXPECT_EQ(victim, nullptr);
}

TEST_F(EventLoopTest, TheMainLoopTakesInputOnlyWhenIdleAndEndsWithIt) {
    Timer timer(loop_);
    timer.SetInterval(100);
    std::vector<TimeMs> ticks;
    timer.OnTimer = [&] { ticks.push_back(loop_.Now()); };
    const TimeMs start = loop_.Now();
    std::vector<TimeMs> asked_at;
    StepInput input({
        [&] {
            asked_at.push_back(loop_.Now());
            return InputStep::WaitUntil(loop_.Now() + 350);
        },
        Act([&] { asked_at.push_back(loop_.Now()); }),
    });
    loop_.SetInputSource(&input);
    EXPECT_FALSE(loop_.RunMainLoop([] { return false; }));
    EXPECT_TRUE(loop_.InputEnded());
    EXPECT_EQ(asked_at, (std::vector<TimeMs>{start, start + 350}));
    EXPECT_EQ(ticks, (std::vector<TimeMs>{start + 100, start + 200, start + 300}));
    // The engine's own waits never ask the input source.
    const int requests = input.Requests();
    loop_.WaitUntil([] { return false; }, 1000);
    EXPECT_EQ(input.Requests(), requests);
}

TEST_F(EventLoopTest, TheMainLoopStopsPassingTimeWhenItsConditionHolds) {
    Timer timer(loop_);
    bool finished = false;
    OneShot(timer, 100, [&] { finished = true; });
    StepInput input({[&] { return InputStep::WaitUntil(loop_.Now() + 5000); }});
    loop_.SetInputSource(&input);
    const TimeMs start = loop_.Now();
    EXPECT_TRUE(loop_.RunMainLoop([&] { return finished; }));
    EXPECT_EQ(loop_.Now(), start + 100);
}

TEST_F(EventLoopTest, QuitEndsTheMainLoop) {
    Timer timer(loop_);
    timer.SetInterval(100);
    timer.OnTimer = [&] { loop_.Quit(); };
    StepInput input({[&] { return InputStep::WaitUntil(loop_.Now() + 5000); }});
    loop_.SetInputSource(&input);
    const TimeMs start = loop_.Now();
    EXPECT_FALSE(loop_.RunMainLoop([] { return false; }));
    EXPECT_TRUE(loop_.QuitRequested());
    EXPECT_EQ(loop_.Now(), start + 100);
}

// A bounded wait for the user ends at its bound, however long the input source lets time run,
// with or without a timer due before the bound, and with no input source at all.
TEST_F(EventLoopTest, TheMainLoopNeverRunsPastItsBound) {
    struct Case {
        const char* name;
        bool with_input;
        int timer_interval;  // 0: no timer
    };
    for (const Case& c :
         {Case{"input that waits long", true, 0}, Case{"input that waits long, a timer", true, 300},
          Case{"no input, a timer", false, 300}}) {
        SCOPED_TRACE(c.name);
        Timer timer(loop_);
        int ticks = 0;
        if (c.timer_interval > 0) {
            timer.SetInterval(c.timer_interval);
            timer.OnTimer = [&] { ++ticks; };
        }
        StepInput input({[&] { return InputStep::WaitUntil(loop_.Now() + 60'000); }});
        loop_.SetInputSource(c.with_input ? &input : nullptr);
        const TimeMs start = loop_.Now();
        EXPECT_FALSE(loop_.RunMainLoop([] { return false; }, 1000));
        EXPECT_EQ(loop_.Now(), start + 1000);
        EXPECT_EQ(ticks, c.timer_interval > 0 ? 1000 / c.timer_interval : 0);
        EXPECT_FALSE(loop_.InputEnded());
    }
}

TEST(SystemClockTest, SleepingAsksTheBlockerForTheTimeLeft) {
    std::vector<TimeMs> timeouts;
    SystemClock clock([&](TimeMs timeout) { timeouts.push_back(timeout); });
    EXPECT_TRUE(clock.InputCanArrive());
    clock.SleepUntil(kNever);
    clock.SleepUntil(clock.Now() - 1);
    ASSERT_EQ(timeouts.size(), 1u);
    EXPECT_EQ(timeouts[0], kNever);
    EXPECT_FALSE(SystemClock().InputCanArrive());
}

}  // namespace
}  // namespace morvane
