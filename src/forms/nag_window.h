#pragma once

#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The exit picture shown before the program ends, with the OK button that ends it.
class NagForm : public Window {
  public:
    explicit NagForm(Desktop& desktop);

    PictureBox Picture1{*this, "Picture1"};
    Button Command1{*this, "Command1"};
    TimerControl Timer1{*this, "Timer1"};  // places the button once the picture is in
};

}  // namespace morvane
