#pragma once

#include "platform/control_array.h"
#include "platform/control_display.h"
#include "platform/window.h"

namespace morvane {

// The hidden store of the inventory pictures, per slot 1 to 16: the bar icon, the pointer while
// the item is held and the highlighted pointer; and the empty picture `NoPic`.
class ItemImages : public Window {
  public:
    static constexpr int kSlots = 16;

    explicit ItemImages(Desktop& desktop);

    ControlArray<Image> ItemIcon{*this, "ItemIcon", kSlots};
    ControlArray<Image> ItemPoint{*this, "ItemPoint", kSlots};
    ControlArray<Image> ItemHL{*this, "ItemHL", kSlots};
    Image NoPic{*this, "NoPic"};
};

}  // namespace morvane
