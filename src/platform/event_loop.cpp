#include "platform/event_loop.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "platform/input_source.h"
#include "platform/timer.h"

namespace morvane {

EventLoop::EventLoop(Clock& clock) : clock_(clock) {}

void EventLoop::Post(std::function<void()> event) {
    queue_.push_back({next_sequence_++, std::move(event)});
}

void EventLoop::PumpEvents() {
    ++pump_depth_;
    struct DepthGuard {
        EventLoop& loop;
        ~DepthGuard() {
            if (--loop.pump_depth_ == 0 && loop.has_cleared_slots_) {
                loop.CompactTimers();
            }
        }
    } guard{*this};

    // Only the events already queued run now; a nested pump inside one of them may take some
    // of them first, which is the order the game expects.
    const uint64_t limit = next_sequence_;
    while (!queue_.empty() && queue_.front().sequence < limit) {
        auto event = std::move(queue_.front().run);
        queue_.pop_front();
        if (event) {
            event();
        }
    }
    RunDueTimers();
}

void EventLoop::RunDueTimers() {
    const TimeMs now = clock_.Now();
    std::vector<std::tuple<TimeMs, std::size_t>> due;
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        if (timers_[i] == nullptr) {
            continue;
        }
        const auto when = timers_[i]->DueTime();
        if (when && *when <= now) {
            due.emplace_back(*when, i);
        }
    }
    std::sort(due.begin(), due.end());
    for (const auto& [when, slot] : due) {
        Timer* timer = timers_[slot];
        // An earlier handler may have stopped, restarted or destroyed this one, or a nested
        // pump may already have ticked it.
        if (timer == nullptr) {
            continue;
        }
        const auto still_due = timer->DueTime();
        if (still_due && *still_due <= clock_.Now()) {
            timer->Tick(clock_.Now());
        }
    }
}

bool EventLoop::TimerDueNow() const {
    const auto next = NextDueTime();
    return next && *next <= clock_.Now();
}

std::optional<TimeMs> EventLoop::NextDueTime() const {
    std::optional<TimeMs> next;
    for (const Timer* timer : timers_) {
        if (timer == nullptr) {
            continue;
        }
        const auto when = timer->DueTime();
        if (when && (!next || *when < *next)) {
            next = when;
        }
    }
    return next;
}

TimeMs EventLoop::DeadlineAfter(TimeMs bound_ms) const {
    const TimeMs now = clock_.Now();
    return (bound_ms == kUnbounded || bound_ms > kNever - now)
               ? kNever
               : now + std::max<TimeMs>(bound_ms, 0);
}

bool EventLoop::WaitUntil(const std::function<bool()>& condition, TimeMs bound_ms) {
    return WaitFor(condition, DeadlineAfter(bound_ms), WaitKind::kEngine);
}

void EventLoop::PassTime(TimeMs ms) {
    WaitFor([] { return false; }, clock_.Now() + std::max<TimeMs>(ms, 0), WaitKind::kPassTime);
}

bool EventLoop::WaitFor(const std::function<bool()>& condition, TimeMs deadline, WaitKind kind) {
    const bool pass_time = kind == WaitKind::kPassTime || kind == WaitKind::kUserPassTime;
    const bool ends_on_quit = kind == WaitKind::kUser || kind == WaitKind::kUserPassTime;
    for (;;) {
        PumpEvents();
        if (condition()) {
            return true;
        }
        const TimeMs now = clock_.Now();
        if (now >= deadline || (ends_on_quit && quit_)) {
            return false;
        }
        if (HasPendingEvents()) {
            continue;
        }
        const auto next = NextDueTime();
        if (next && *next <= now) {
            continue;
        }
        if (!next && !pass_time && !clock_.InputCanArrive()) {
            // No timer, no event and no user: nothing can ever change the condition.
            return false;
        }
        const TimeMs wake = std::min(next.value_or(kNever), deadline);
        if (wake == kNever && !clock_.InputCanArrive()) {
            return false;
        }
        clock_.SleepUntil(wake);
    }
}

bool EventLoop::RunMainLoop(const std::function<bool()>& until, TimeMs bound_ms) {
    const TimeMs deadline = DeadlineAfter(bound_ms);
    for (;;) {
        PumpEvents();
        if (until()) {
            return true;
        }
        if (quit_ || input_ended_ || clock_.Now() >= deadline) {
            return false;
        }
        if (HasPendingEvents() || TimerDueNow()) {
            continue;
        }
        if (input_ == nullptr) {
            // Nobody to give input: run on the clock until the loop ends or nothing is left.
            return WaitFor(until, deadline, WaitKind::kUser);
        }
        const InputStep step = input_->TakeInput(*this);
        switch (step.kind) {
            case InputStep::Kind::kContinue:
                break;
            case InputStep::Kind::kWaitUntil:
                WaitFor(until, std::min(step.until, deadline), WaitKind::kUserPassTime);
                break;
            case InputStep::Kind::kEnded:
                input_ended_ = true;
                return until();
        }
    }
}

void EventLoop::Register(Timer& timer) {
    timers_.push_back(&timer);
}

void EventLoop::Unregister(Timer& timer) {
    const auto found = std::find(timers_.begin(), timers_.end(), &timer);
    if (found == timers_.end()) {
        return;
    }
    if (pump_depth_ > 0) {
        *found = nullptr;
        has_cleared_slots_ = true;
    } else {
        timers_.erase(found);
    }
}

void EventLoop::CompactTimers() {
    std::erase(timers_, nullptr);
    has_cleared_slots_ = false;
}

}  // namespace morvane
