#include "platform/clock.h"

#include <algorithm>
#include <thread>

namespace morvane {

void VirtualClock::SleepUntil(TimeMs until) {
    // Nothing can wake a virtual sleeper early, so a sleep without end would be a hang: the
    // loop never asks for one, and if it did, time simply stays where it is.
    if (until != kNever) {
        now_ = std::max(now_, until);
    }
}

SystemClock::SystemClock(Blocker blocker)
    : start_(std::chrono::steady_clock::now()), blocker_(std::move(blocker)) {}

TimeMs SystemClock::Now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start_)
        .count();
}

void SystemClock::SleepUntil(TimeMs until) {
    const TimeMs now = Now();
    if (until != kNever && until <= now) {
        return;
    }
    if (blocker_) {
        blocker_(until == kNever ? kNever : until - now);
        return;
    }
    if (until != kNever) {
        std::this_thread::sleep_for(std::chrono::milliseconds(until - now));
    }
}

}  // namespace morvane
