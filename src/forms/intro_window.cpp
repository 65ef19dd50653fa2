#include "forms/intro_window.h"

#include "forms/form_layout.h"

namespace morvane {

IntroFrm::IntroFrm(Desktop& desktop) : Window(desktop, "IntroFrm") {
    Move(0, 0, 800, 600);
    UserIntro.Move(250, 200, 300, 200);
    // Sized and centred for each movie.
    UserIntroMovie.Move(50, 62, 700, 475);
    UserIntroMovie.SetVisible(false);
    form_layout::Timer(UserIntroTimer, 2000);
    // Hiding the window without ending the movie would leave the intro's wait running, so the
    // button is never offered; the window closes through Escape or the movie's end.
    Command1.Move(690, 556, 100, 32);
    Command1.SetVisible(false);
}

}  // namespace morvane
