#include "forms/nag_window.h"

#include "forms/form_layout.h"

namespace morvane {

NagForm::NagForm(Desktop& desktop) : Window(desktop, "NagForm") {
    // The window covers the screen; the picture is centred on it once it is loaded, and the
    // button below the picture.
    Move(0, 0, 800, 600);
    Picture1.Move(0, 0, 800, 540);
    Command1.Move(350, 550, 100, 32);
    Command1.SetCaption("OK");
    form_layout::Timer(Timer1, 2);
}

}  // namespace morvane
