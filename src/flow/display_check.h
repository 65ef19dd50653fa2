#pragma once

#include "platform/display.h"

namespace morvane {

// What the display check did at start-up, for the restore at shutdown.
struct DisplayModeState {
    bool DisplayChanged = false;
    float SavedWidth = 0;
    float SavedHeight = 0;
};

// Whether a game needs its 800 by 600 screen: always on a smaller screen, on a larger one only
// when the game forces 800 by 600.
bool Wants800x600(float width, float height, bool force_800x600);

// The display check when the start window loads: where the game wants 800 by 600 the game
// window goes full screen, its canvas scaled to fit.
void CheckRes(Display& display, bool force_800x600, DisplayModeState& state);

// The restore at shutdown: a window the check made full screen leaves full screen.
void RestoreDisplay(Display& display, DisplayModeState& state);

}  // namespace morvane
