#pragma once

#include <string>

#include "platform/clock.h"

namespace morvane {

// A fault that repeats (a broken rule hit on every tick) would raise the same message box over
// and over. A box identical to the one before it, coming within a second of it, is not shown
// again; the log counts the repeats instead.
class MessageRepeats {
  public:
    static constexpr TimeMs kWithinMs = 1000;

    // True when `text` repeats the last message shown within the span; counts it.
    bool Repeat(const std::string& text, TimeMs now);
    // Records that the box of `text` was closed at `now`.
    void Shown(const std::string& text, TimeMs now);
    // How many times the last message shown has repeated since.
    int Count() const { return count_; }

  private:
    std::string last_;
    TimeMs last_at_ = 0;
    bool any_ = false;
    int count_ = 0;
};

}  // namespace morvane
