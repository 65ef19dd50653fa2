#pragma once

#include "platform/control.h"
#include "platform/control_timer.h"

namespace morvane::form_layout {

// Small helpers for the windows' design-time set-up, so each window's constructor reads as the
// list of its controls and where they sit.

// A timer as the windows hold them: off until the game starts it, with its design interval.
inline void Timer(TimerControl& timer, int interval_ms) {
    timer.SetEnabled(false);
    timer.SetInterval(interval_ms);
}

// A control that exists only to hold a picture or a state for the code; it is never seen.
inline void Holder(Control& control) {
    control.SetVisible(false);
}

}  // namespace morvane::form_layout
