#include "forms/mp3_window.h"

#include "forms/form_layout.h"

namespace morvane {

Mp3Form::Mp3Form(Desktop& desktop) : Window(desktop, "Mp3Form") {
    Move(0, 0, 120, 60);
    form_layout::Timer(Mp3Timer, 600);
}

}  // namespace morvane
