#pragma once

#include <string>

#include "base/integer.h"

namespace morvane {

// The state of the game between games: start-up, the menus, the intro and the quit query.
// Every value starts False, zero or empty, as at program start.
struct FlowState {
    // Start-up.
    bool UserLogoShowing = false;
    bool UserLogoDone = false;
    bool StartingUp = false;
    bool NewGameStarting = false;
    bool IntroMovieExists = false;
    // StartApp runs once, however the engine logo ends (Escape, its last frame, or both).
    bool StartAppBegun = false;

    // The intro movie.
    bool IntroPlaying = false;
    bool IntroDone = false;

    // The menus.
    bool MenuBusy = false;
    bool PauseElapsed = false;
    bool QuitQueryClosing = false;
    // The menu comes back from the load dialog: its activation then leaves the music alone.
    bool BackFromLoadDialog = false;
};

}  // namespace morvane
