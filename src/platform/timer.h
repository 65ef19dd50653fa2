#pragma once

#include <functional>
#include <optional>

#include "platform/clock.h"

namespace morvane {

class EventLoop;

// A timer as the game's windows use them: it ticks every `Interval` milliseconds while
// `Enabled`. It is due when now >= last tick + Interval; the tick time is recorded before the
// handler runs, so a handler that waits (and so pumps events) is not ticked again by its own
// nested pump until a full interval has passed. An interval of 0 never ticks. Turning the
// timer off inside its handler is the usual one-shot idiom. Like the classic control, a new
// timer is enabled with interval 0, so it starts ticking once an interval is given.
class Timer {
  public:
    explicit Timer(EventLoop& loop);
    virtual ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    // Any assignment starts the countdown afresh. Negative intervals are invalid (error 380).
    void SetInterval(int interval_ms);

    bool Enabled() const { return enabled_; }
    // Switching on (from off) starts the countdown afresh; switching on again changes nothing.
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

    // When the timer will next be due; nothing when it cannot tick.
    std::optional<TimeMs> DueTime() const;

    // Records the tick at `now` and runs the handler. Called by the event loop.
    void Tick(TimeMs now);

    // Counts the interval from now, as a fresh start does.
    void Restart();

  protected:
    // A timer of a window ticks only while its window is loaded.
    virtual bool Active() const { return true; }

  private:
    EventLoop& loop_;
    int interval_ = 0;
    bool enabled_ = true;
    TimeMs last_ = 0;
};

}  // namespace morvane
