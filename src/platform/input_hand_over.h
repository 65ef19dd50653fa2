#pragma once

#include <functional>
#include <utility>

#include "platform/input_source.h"

namespace morvane {

// Input from one source until it ends, then from another for good: a script plays the game up
// to a point and the person at the window goes on from there. The hand-over happens inside
// whatever loop asked for input, so a modal window open when the first source ends simply
// waits for the second.
class InputHandOver final : public InputSource {
  public:
    // `may_hand_over` is asked when the first source ends: false ends the input instead (a
    // script that failed to run). `on_hand_over` runs once, just before the second source is
    // first asked.
    InputHandOver(InputSource& first, InputSource& second, std::function<bool()> may_hand_over,
                  std::function<void()> on_hand_over)
        : first_(first),
          second_(second),
          may_hand_over_(std::move(may_hand_over)),
          on_hand_over_(std::move(on_hand_over)) {}

    InputStep TakeInput(EventLoop& loop) override {
        if (!handed_over_) {
            const InputStep step = first_.TakeInput(loop);
            if (step.kind != InputStep::Kind::kEnded) {
                return step;
            }
            if (may_hand_over_ && !may_hand_over_()) {
                return step;
            }
            handed_over_ = true;
            if (on_hand_over_) {
                on_hand_over_();
            }
        }
        return second_.TakeInput(loop);
    }

    bool HandedOver() const { return handed_over_; }

  private:
    InputSource& first_;
    InputSource& second_;
    std::function<bool()> may_hand_over_;
    std::function<void()> on_hand_over_;
    bool handed_over_ = false;
};

}  // namespace morvane
