#pragma once

#include <functional>
#include <vector>

#include "platform/picture.h"

namespace morvane {

// What a picture drawn on demand promises before it is drawn: its size and each frame's delay
// (one delay a frame).
struct PictureShape {
    int width = 0;
    int height = 0;
    std::vector<int> delays_ms{0};
};

// A picture the player draws itself, drawn the first time anything reads its pixels, hot spot
// or loop count. Until then it answers its size, frames and delays from `shape`, so controls can
// show, size and animate it, and a run that never puts it on screen (a headless run, a window
// nobody opens) never pays for drawing it. It keeps its identity: the drawn picture stays
// inside it. `draw` must make a picture of exactly that shape (std::logic_error otherwise).
PicturePtr DrawOnDemand(PictureShape shape, std::function<PicturePtr()> draw);

}  // namespace morvane
