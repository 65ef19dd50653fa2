#include "forms/start_window.h"

#include "forms/form_layout.h"

namespace morvane {

StartForm::StartForm(Desktop& desktop) : Window(desktop, "StartForm") {
    Move(0, 0, 800, 600);
    Label1.Move(250, 290, 300, 20);
    Label1.SetCaption("Loading.  Please wait...");
    Label1.SetAlignment(TextAlignment::kCentre);
    // The logo in the middle of the screen, its web address below it; both wait for start-up
    // to show them. The address is given by start-up, not by the window.
    MVXGIFLogo.Move(250, 150, 300, 250);
    MVXGIFLogo.SetVisible(false);
    MorvaneURL.Move(250, 410, 300, 20);
    MorvaneURL.SetAlignment(TextAlignment::kCentre);
    MorvaneURL.SetVisible(false);
    // The credits are centred on the window when they are read.
    UserAnimLogo.SetVisible(false);
    UserAVILogo.SetVisible(false);
    form_layout::Timer(UserLogoTimer, 2000);
    // The window's load starts it.
    form_layout::Timer(Timer1, 1200);
}

}  // namespace morvane
