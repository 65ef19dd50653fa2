#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/clock.h"

namespace morvane {

class InputSource;
class Timer;

// The player's one message queue. Everything the game does happens inside a handler run from
// here, and every wait pumps this loop, so handlers run inside other handlers' waits exactly as
// the game expects; there are no locks and no second thread.
class EventLoop {
  public:
    // A wait without a bound of its own; it still ends when nothing could ever end it.
    static constexpr TimeMs kUnbounded = kNever;

    explicit EventLoop(Clock& clock);
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    Clock& GetClock() { return clock_; }
    TimeMs Now() const { return clock_.Now(); }

    // Queues an event (input, a control's ReadFinished or PlayFinished, ...) for the next pump.
    void Post(std::function<void()> event);
    bool HasPendingEvents() const { return !queue_.empty(); }

    // "Process pending window events": runs the events pending when called, then every due
    // timer in due order, then returns. Events posted meanwhile wait for the next pump.
    void PumpEvents();

    // The one way the engine waits: pumps until `condition` holds (true), or until `bound_ms`
    // has passed or nothing could ever make it hold (false; the caller decides what then).
    // Between pumps it sleeps until the next timer is due. It never takes user input from the
    // input source.
    bool WaitUntil(const std::function<bool()>& condition, TimeMs bound_ms);

    // Lets `ms` milliseconds pass, running whatever falls due.
    void PassTime(TimeMs ms);

    // The loop that waits for the user, used by the main program and by every modal window:
    // runs events and timers and takes input until `until` holds (true), or until input has
    // ended, Quit was asked or `bound_ms` has passed (false). Time never runs past the bound,
    // whatever the input source asks for.
    bool RunMainLoop(const std::function<bool()>& until, TimeMs bound_ms = kUnbounded);

    void SetInputSource(InputSource* source) { input_ = source; }
    bool InputEnded() const { return input_ended_; }

    // Asks every loop that takes input to return; used when the program shuts down.
    void Quit() { quit_ = true; }
    bool QuitRequested() const { return quit_; }

    // When the earliest timer will be due; nothing when no timer can tick.
    std::optional<TimeMs> NextDueTime() const;

    // Timers register themselves for their lifetime.
    void Register(Timer& timer);
    void Unregister(Timer& timer);

  private:
    struct Pending {
        uint64_t sequence;
        std::function<void()> run;
    };

    void RunDueTimers();
    bool TimerDueNow() const;
    enum class WaitKind {
        kEngine,        // ends when nothing could ever end it
        kPassTime,      // time moves on to the deadline even when no timer is running
        kUser,          // an engine-like wait of a loop that takes input: Quit ends it
        kUserPassTime,  // time the input source let pass: Quit ends it
    };
    // The time `bound_ms` from now; kNever for an unbounded wait.
    TimeMs DeadlineAfter(TimeMs bound_ms) const;
    // Pumps until `condition` or `deadline`.
    bool WaitFor(const std::function<bool()>& condition, TimeMs deadline, WaitKind kind);
    void CompactTimers();

    Clock& clock_;
    std::deque<Pending> queue_;
    uint64_t next_sequence_ = 0;
    // Slots of destroyed timers are cleared, and removed only when no pump is running, so the
    // positions a running pump holds stay valid.
    std::vector<Timer*> timers_;
    int pump_depth_ = 0;
    bool has_cleared_slots_ = false;
    InputSource* input_ = nullptr;
    bool input_ended_ = false;
    bool quit_ = false;
};

}  // namespace morvane
