#pragma once

#include <string>

#include "base/integer.h"
#include "flow/flow_context.h"

namespace morvane {

// Plays the intro movie centred on the intro window and returns once the window has closed:
// two seconds after the movie stopped or was skipped with Escape. A movie that never reports
// its end closes the window after its length and a margin.
void PlayIntroAVI(FlowContext& ctx, const std::string& fileName, Integer volume);

// The size a movie is shown at for the game's movie size mode: 0 the scene view's 700 x 475,
// 1 a width of 400 with the height changed by the width's distance from 400, other modes the
// movie's own size.
struct MovieSize {
    int width = 0;
    int height = 0;
};
MovieSize SizeForMode(Integer mode, int movie_width, int movie_height);

// Connects the intro window's movie, timer and keys to their handlers.
void AttachIntroWindow(FlowContext& ctx);

}  // namespace morvane
