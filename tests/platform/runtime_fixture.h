#pragma once

#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/input_source.h"
#include "platform/message_box_headless.h"
#include "platform/window.h"

namespace morvane::testing {

// A headless player without a game: virtual clock, loop, desktop and services.
struct Runtime {
    VirtualClock clock;
    EventLoop loop{clock};
    std::ostringstream out;
    HeadlessMessageBox message_box{out};
    MemoryClipboard clipboard;
    Desktop desktop{loop, message_box, clipboard};
};

// An input source that plays a list of steps, one per request, then ends.
class StepInput : public InputSource {
  public:
    using Step = std::function<InputStep()>;

    explicit StepInput(std::vector<Step> steps) : steps_(steps.begin(), steps.end()) {}

    InputStep TakeInput(EventLoop&) override {
        ++requests_;
        if (steps_.empty()) {
            return InputStep::Ended();
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        return step();
    }

    int Requests() const { return requests_; }

  private:
    std::deque<Step> steps_;
    int requests_ = 0;
};

// A step that acts, then lets the loop go on asking for input.
inline StepInput::Step Act(std::function<void()> act) {
    return [act = std::move(act)] {
        act();
        return InputStep::Continue();
    };
}

// Makes a timer (a Timer or a timer control) tick once, `interval` ms from now, and act.
template <typename AnyTimer>
void OneShot(AnyTimer& timer, int interval, std::function<void()> act) {
    timer.OnTimer = [&timer, act = std::move(act)] {
        timer.SetEnabled(false);
        act();
    };
    timer.SetInterval(interval);
}

// Records what happened, in order.
struct Journal {
    std::vector<std::string> lines;
    void Add(std::string line) { lines.push_back(std::move(line)); }
    std::function<void()> Note(std::string line) {
        return [this, line] { Add(line); };
    }
};

}  // namespace morvane::testing
