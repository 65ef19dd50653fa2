#pragma once

#include <string_view>

#include "platform/picture_drawing.h"

namespace morvane {

// A plain capital letter face drawn with round-ended strokes, so the player's own pictures
// carry their words without a font file. Letters are 4 units wide and 6 high; lower-case
// letters are drawn as capitals, and characters without a glyph leave a space.
class StrokeFont {
  public:
    // Width of `text` at a capital height of `cap_height` pixels.
    static double TextWidth(std::string_view text, double cap_height);

    // Adds the strokes of `text` to `shape` with its top-left corner at (left, top).
    static void AddText(Shape& shape, std::string_view text, double left, double top,
                        double cap_height);
};

}  // namespace morvane
