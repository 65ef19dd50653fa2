#include "forms/notify_window.h"

namespace morvane {

NoWin::NoWin(Desktop& desktop) : Window(desktop, "NoWin") {
    // Its load moves it to 2000 twips from the left edge (133 pixels) and shrinks it; this is
    // its full size.
    Move(133, 0, 520, 400);
    SetCaption("Notify Window (Debug)");
    cc.Move(8, 8, 150, 26);
    cc.SetCaption("Copy to Clipboard");
    ClC.Move(166, 8, 150, 26);
    ClC.SetCaption("Empty Contents");
    CompExp.Move(324, 8, 150, 26);
    CompExp.SetCaption("Shrink Window");
    List1.Move(8, 42, 504, 350);
}

}  // namespace morvane
