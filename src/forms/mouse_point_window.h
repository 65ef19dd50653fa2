#pragma once

#include "platform/control_array.h"
#include "platform/control_display.h"
#include "platform/window.h"

namespace morvane {

// The hidden store of the 15 pointer pictures: `Pointer` the ones in use (the game's own where
// it has them), `Defaults` the built-in ones, each with its role written below it.
class MousePoint : public Window {
  public:
    static constexpr int kPointers = 15;

    explicit MousePoint(Desktop& desktop);

    ControlArray<Image> Pointer{*this, "Pointer", kPointers};
    ControlArray<Image> Defaults{*this, "Defaults", kPointers};
    ControlArray<Label> PointerCaption{*this, "PointerCaption", kPointers};
};

}  // namespace morvane
