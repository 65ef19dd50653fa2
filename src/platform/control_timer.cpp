#include "platform/control_timer.h"

#include "platform/desktop.h"
#include "platform/window.h"

namespace morvane {

TimerControl::TimerControl(Control& parent, std::string name, int index)
    : Control(parent, ControlKind::kTimer, std::move(name), index),
      Timer(parent.OwnerWindow().GetDesktop().Loop()) {}

bool TimerControl::Active() const {
    return OwnerWindow().IsLoaded();
}

}  // namespace morvane
