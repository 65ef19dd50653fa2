#pragma once

#include "platform/control.h"
#include "platform/timer.h"

namespace morvane {

// A timer placed on a window (`BlockTimer`, `DelayTimer(1..20)`): it ticks only while its
// window is loaded, and is never seen or clicked. Its Enabled is the timer's.
class TimerControl : public Control, public Timer {
  public:
    TimerControl(Control& parent, std::string name, int index = 0);

    using Timer::Enabled;
    using Timer::SetEnabled;

    void WindowLoaded() override { Restart(); }

  protected:
    bool Active() const override;
};

}  // namespace morvane
