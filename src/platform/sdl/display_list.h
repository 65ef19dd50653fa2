#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/control_geometry.h"
#include "platform/picture.h"

namespace morvane::sdl {

// One drawing step of a frame: fill, line, picture or text, with the clip it is drawn in.
struct DrawOp {
    enum class Kind { kFill, kLine, kPicture, kText };

    Kind kind = Kind::kFill;
    Rect clip;
    // Fill, picture and text: where it lands. Line: from (left, top) to (width, height).
    Rect place;
    SDL_Color colour{0, 0, 0, 255};
    // Held, so the picture's address stays its identity while the frame is remembered.
    PicturePtr picture;
    int frame = 0;
    std::string text;

    // The canvas pixels the step may touch.
    Rect Bounds() const;
    bool operator==(const DrawOp& other) const;
};

Rect Intersect(const Rect& a, const Rect& b);
bool IsEmpty(const Rect& r);

// The steps of one frame, in drawing order. Comparing a frame's list with the last one gives
// the parts of the canvas that changed, so a frame in which a few objects animate redraws only
// those objects' rectangles.
class DisplayList {
  public:
    void SetClip(const Rect& clip) { clip_ = clip; }
    void Fill(const Rect& area, SDL_Color colour);
    void Line(int x1, int y1, int x2, int y2, SDL_Color colour);
    void Picture(const PicturePtr& picture, int frame, const Rect& place);
    void Text(const std::string& utf8, SDL_Color colour, const Rect& place);

    const std::vector<DrawOp>& Ops() const { return ops_; }
    void Clear() { ops_.clear(); }

  private:
    Rect clip_;
    std::vector<DrawOp> ops_;
};

// The rectangles of `canvas` that differ between two frames; everything when the frames have a
// different number of steps. Overlapping rectangles are merged, and past a handful the whole
// changed area becomes one rectangle.
std::vector<Rect> Damage(const DisplayList& before, const DisplayList& after, const Rect& canvas);

}  // namespace morvane::sdl
