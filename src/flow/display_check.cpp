#include "flow/display_check.h"

namespace morvane {

bool Wants800x600(float width, float height, bool force_800x600) {
    if (width < 800 || height < 600) {
        return true;
    }
    return (width > 800 || height > 600) && force_800x600;
}

void CheckRes(Display& display, bool force_800x600, DisplayModeState& state) {
    const auto width = static_cast<float>(display.ScreenWidth());
    const auto height = static_cast<float>(display.ScreenHeight());
    if (!Wants800x600(width, height, force_800x600)) {
        return;
    }
    state.DisplayChanged = true;
    state.SavedWidth = width;
    state.SavedHeight = height;
    display.SetFullScreen(true);
}

void RestoreDisplay(Display& display, DisplayModeState& state) {
    if (state.DisplayChanged) {
        display.SetFullScreen(false);
        state.DisplayChanged = false;
    }
}

}  // namespace morvane
