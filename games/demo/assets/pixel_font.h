#pragma once

#include <string_view>

#include "canvas.h"

namespace morvane::demo {

// A 5 x 7 capital-letter font for the words on buttons, signs and the letter. Lower-case letters
// are drawn as capitals; characters the font lacks are left blank.
int TextWidth(std::string_view text, int scale);
void DrawText(Canvas& canvas, std::string_view text, int left, int top, int scale, Rgb colour);
// Centred on the point (cx, top).
void DrawTextCentred(Canvas& canvas, std::string_view text, int cx, int top, int scale, Rgb colour);
// With a one-scale-unit shadow below and to the right.
void DrawTextShadowed(Canvas& canvas, std::string_view text, int cx, int top, int scale, Rgb colour,
                      Rgb shadow);

}  // namespace morvane::demo
