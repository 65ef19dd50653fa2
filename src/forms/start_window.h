#pragma once

#include "platform/animated_picture.h"
#include "platform/control_display.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The first window: "Loading" while the other windows load, the engine logo with its web
// address, and the game's opening credits (a GIF or a movie). It covers the screen, so its
// controls are placed in screen pixels.
class StartForm : public Window {
  public:
    explicit StartForm(Desktop& desktop);

    Label Label1{*this, "Label1"};
    AnimatedPicture MVXGIFLogo{*this, "MVXGIFLogo"};
    Label MorvaneURL{*this, "MorvaneURL"};
    AnimatedPicture UserAnimLogo{*this, "UserAnimLogo"};
    MovieControl UserAVILogo{*this, "UserAVILogo"};
    TimerControl UserLogoTimer{*this, "UserLogoTimer"};  // ends a credits logo
    TimerControl Timer1{*this, "Timer1"};                // loads the other windows
};

}  // namespace morvane
