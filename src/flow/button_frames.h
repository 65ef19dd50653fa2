#pragma once

#include "platform/animated_picture.h"
#include "platform/control_display.h"

namespace morvane {

// Every button image is a two-frame picture: frame 0 the highlighted look, frame 1 the normal.
inline constexpr int kHighlightedFrame = 0;
inline constexpr int kNormalFrame = 1;

// Shows one frame of a button's picture source in the button.
inline void ShowButtonFrame(AnimatedPicture& source, Image& button, int frame) {
    source.SetFrame(static_cast<Integer>(frame));
    button.SetPicture(source.FramePicture());
}

}  // namespace morvane
