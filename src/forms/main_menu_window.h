#pragma once

#include "platform/control_array.h"
#include "platform/control_display.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The main menu: a full-screen background with the five menu buttons (1 intro, 2 new game,
// 3 load, 4 menu scene, 5 quit), each showing a frame of its image in `Main.ButtnDefault`.
class MainMenu : public Window {
  public:
    explicit MainMenu(Desktop& desktop);

    PictureBox Picture1{*this, "Picture1"};
    ControlArray<Image> Buttn{Picture1, "Buttn", 5};
    TimerControl PauseTimer{*this, "PauseTimer"};  // the click pause
};

}  // namespace morvane
