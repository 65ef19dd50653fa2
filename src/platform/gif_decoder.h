#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/picture_result.h"

namespace morvane {

// Decodes a GIF (87a or 89a) held in memory into a Picture of fully composited frames, the way
// browsers show it:
//  - every frame starts from the previous frame's canvas after that frame's disposal:
//    0 and 1 keep it, 2 clears the frame's rectangle to transparent, 3 restores what the
//    rectangle held before the frame was drawn; the first frame starts on a transparent canvas;
//  - pixels of the transparent index (and indices beyond the colour table) leave the canvas as
//    it is;
//  - a delay of 0 or 1 hundredths plays as 10 hundredths (100 ms);
//  - LoopCount() is the number of passes: 1 without a NETSCAPE2.0 extension, 0 when it says
//    for ever, its repeat count + 1 otherwise.
// A truncated or damaged file keeps every frame read before the damage (a frame cut short keeps
// the rows that arrived); a file with no readable frame, or one too large to hold, fails with
// error 481.
PictureResult DecodeGif(std::span<const uint8_t> bytes, std::string source_name = {});

}  // namespace morvane
