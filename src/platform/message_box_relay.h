#pragma once

#include <functional>

#include "platform/message_box.h"

namespace morvane {

// The message boxes of a run whose answerer may change while it runs: a script answers them
// until it ends and the person at the window goes on. Each box goes to the service chosen at
// the moment it is shown, and a listener may hear of every box and its answer (a recording of
// the play writes the answers down).
class MessageBoxRelay final : public MessageBoxService {
  public:
    explicit MessageBoxRelay(MessageBoxService& target) : target_(&target) {}

    void SetTarget(MessageBoxService& target) { target_ = &target; }

    MsgBoxResult Show(const MessageBoxRequest& request) override {
        if (OnShown) {
            OnShown();
        }
        const MsgBoxResult answer = target_->Show(request);
        if (OnAnswered) {
            OnAnswered(answer);
        }
        return answer;
    }

    std::function<void()> OnShown;
    std::function<void(MsgBoxResult)> OnAnswered;

  private:
    MessageBoxService* target_;
};

}  // namespace morvane
