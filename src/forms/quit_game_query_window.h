#pragma once

#include "platform/control_array.h"
#include "platform/control_display.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The in-game "Quit?" question with its Yes and No buttons.
class QuitGameQuery : public Window {
  public:
    explicit QuitGameQuery(Desktop& desktop);

    Label Label1{*this, "Label1"};
    Image ButtnYes{*this, "ButtnYes"};
    Image ButtnNo{*this, "ButtnNo"};
    // The button looks: 1 Yes highlighted, 2 Yes normal, 3 No highlighted, 4 No normal.
    ControlArray<Image> Image1{*this, "Image1", 4};
    TimerControl PauseIt{*this, "PauseIt"};  // the click pause
};

}  // namespace morvane
