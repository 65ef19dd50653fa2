#include "engine/message_repeats.h"

namespace morvane {

bool MessageRepeats::Repeat(const std::string& text, TimeMs now) {
    if (!any_ || text != last_ || now - last_at_ > kWithinMs) {
        return false;
    }
    // A steady stream of the same box stays hidden: each repeat starts the second afresh.
    ++count_;
    last_at_ = now;
    return true;
}

void MessageRepeats::Shown(const std::string& text, TimeMs now) {
    any_ = true;
    last_ = text;
    last_at_ = now;
    count_ = 0;
}

}  // namespace morvane
