#pragma once

#include <string>

#include "platform/control.h"

namespace morvane {

// The animated picture control that shows every scene object, button image, logo, close-up and
// map location: load a file, run and stop its animation, and report ReadFinished, PlayFinished
// and Step as events on a later pump.
class AnimatedPicture : public Control {
  public:
    AnimatedPicture(Control& parent, std::string name, int index = 0)
        : Control(parent, ControlKind::kAnimatedPicture, std::move(name), index) {}
};

}  // namespace morvane
