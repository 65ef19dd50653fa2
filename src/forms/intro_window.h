#pragma once

#include "platform/animated_picture.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The intro movie, centred on a window that covers the screen.
class IntroFrm : public Window {
  public:
    explicit IntroFrm(Desktop& desktop);

    AnimatedPicture UserIntro{*this, "UserIntro"};
    MovieControl UserIntroMovie{*this, "UserIntroMovie"};
    TimerControl UserIntroTimer{*this, "UserIntroTimer"};  // closes the window after the movie
    Button Command1{*this, "Command1"};
};

}  // namespace morvane
