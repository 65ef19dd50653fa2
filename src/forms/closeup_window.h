#pragma once

#include "platform/animated_picture.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The close-up of an examined item: its animated picture, its caption and the close button.
// `Block` covers the picture until the short start-up delay uncovers it.
class Closeup : public Window {
  public:
    explicit Closeup(Desktop& desktop);

    AnimatedPicture ClsUpImg{*this, "ClsUpImg"};
    Panel Block{*this, "Block"};
    Label ClsCapt{*this, "ClsCapt"};
    Button Command1{*this, "Command1"};
    // Takes the focus so that no button shows it; it has no area and is never clicked.
    Button Dummy{*this, "Dummy"};
    TimerControl StartUpDelay{*this, "StartUpDelay"};
};

}  // namespace morvane
