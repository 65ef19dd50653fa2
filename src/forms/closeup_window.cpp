#include "forms/closeup_window.h"

#include "forms/form_layout.h"

namespace morvane {

Closeup::Closeup(Desktop& desktop) : Window(desktop, "Closeup") {
    // Centred on the screen: the picture on top, its caption below it, the close button last.
    Move(190, 100, 420, 400);
    ClsUpImg.Move(10, 10, 400, 300);
    Block.Move(10, 10, 400, 300);
    ClsCapt.Move(10, 318, 400, 24);
    ClsCapt.SetAlignment(TextAlignment::kCentre);
    Command1.Move(160, 352, 100, 32);
    Command1.SetCaption("Close");
    Dummy.Move(0, 0, 0, 0);
    form_layout::Timer(StartUpDelay, 5);
}

}  // namespace morvane
