#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <limits>

namespace morvane {

// Milliseconds on the player's clock. Only differences and comparisons mean anything.
using TimeMs = int64_t;

// A moment that never comes: "block until input arrives, however long that takes".
inline constexpr TimeMs kNever = std::numeric_limits<TimeMs>::max();

// The one source of time for timers, animations and waits. The event loop never reads the wall
// clock itself, so a headless run on the virtual clock is repeatable to the millisecond.
class Clock {
  public:
    virtual ~Clock() = default;

    virtual TimeMs Now() const = 0;

    // Lets time pass until `until` (kNever: until input). A clock that can be woken by input
    // may return earlier; callers look again at what is pending and decide.
    virtual void SleepUntil(TimeMs until) = 0;

    // Whether user input can arrive while the loop sleeps. When it cannot and no timer is
    // running, a wait has nothing left that could ever end it.
    virtual bool InputCanArrive() const = 0;
};

// Time that only moves when the loop sleeps: sleeping jumps straight to the moment asked for,
// so ten idle minutes pass in no real time at all.
class VirtualClock final : public Clock {
  public:
    explicit VirtualClock(TimeMs start = 0) : now_(start) {}

    TimeMs Now() const override { return now_; }
    void SleepUntil(TimeMs until) override;
    bool InputCanArrive() const override { return false; }

  private:
    TimeMs now_;
};

// The steady clock of the machine, for a run in a window. The window front end hands in a
// blocker that waits on its input queue with a timeout (and posts what arrives), so a player
// waiting for a timer wakes at once for a click; without one the thread simply sleeps.
class SystemClock final : public Clock {
  public:
    // Blocks at most `timeout_ms` (kNever: without limit) or until input arrives.
    using Blocker = std::function<void(TimeMs timeout_ms)>;

    explicit SystemClock(Blocker blocker = {});

    TimeMs Now() const override;
    void SleepUntil(TimeMs until) override;
    bool InputCanArrive() const override { return static_cast<bool>(blocker_); }

  private:
    std::chrono::steady_clock::time_point start_;
    Blocker blocker_;
};

}  // namespace morvane
