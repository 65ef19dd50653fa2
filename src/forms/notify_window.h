#pragma once

#include "platform/control_button.h"
#include "platform/control_list_box.h"
#include "platform/window.h"

namespace morvane {

// The notify window: the log, one line per item, oldest first, with its three buttons above it
// so that they stay in view while the window is shrunk to its top.
class NoWin : public Window {
  public:
    explicit NoWin(Desktop& desktop);

    Button cc{*this, "cc"};            // "Copy to Clipboard"
    Button ClC{*this, "ClC"};          // "Empty Contents"
    Button CompExp{*this, "CompExp"};  // shrink / expand
    ListBox List1{*this, "List1"};
};

}  // namespace morvane
