#pragma once

#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The hidden window of the MP3 music: its timer watches for the end of the music to loop it.
class Mp3Form : public Window {
  public:
    explicit Mp3Form(Desktop& desktop);

    TimerControl Mp3Timer{*this, "Mp3Timer"};
};

}  // namespace morvane
