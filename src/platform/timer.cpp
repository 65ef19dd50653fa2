#include "platform/timer.h"

#include "base/runtime_error.h"
#include "platform/event_loop.h"

namespace morvane {

Timer::Timer(EventLoop& loop) : loop_(loop), last_(loop.Now()) {
    loop_.Register(*this);
}

Timer::~Timer() {
    loop_.Unregister(*this);
}

void Timer::SetInterval(int interval_ms) {
    if (interval_ms < 0) {
        Raise(ErrorNumber::kInvalidPropertyValue);
    }
    interval_ = interval_ms;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled && !enabled_) {
        Restart();
    }
    enabled_ = enabled;
}

std::optional<TimeMs> Timer::DueTime() const {
    if (!enabled_ || interval_ <= 0 || !Active()) {
        return std::nullopt;
    }
    return last_ + interval_;
}

void Timer::Tick(TimeMs now) {
    last_ = now;
    if (OnTimer) {
        OnTimer();
    }
}

void Timer::Restart() {
    last_ = loop_.Now();
}

}  // namespace morvane
