#pragma once

#include "flow/saved_games_state.h"
#include "forms/main_window.h"

namespace morvane {

// The size of the picture kept with a saved game: the scene view's proportions, 160 wide.
inline constexpr int kThumbnailWidth = 160;
inline constexpr int kThumbnailHeight =
    (Main::kSceneHeight * kThumbnailWidth + Main::kSceneWidth / 2) / Main::kSceneWidth;

// The scene view as it shows now, made small: its background and every visible picture on it
// (objects, arrows, the conversation box, a movie frame), stacked as on screen. Drawn from the
// windows themselves, so it needs no screen and looks the same headless.
Thumbnail CaptureSceneThumbnail(const Main& main);

}  // namespace morvane
