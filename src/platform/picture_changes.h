#pragma once

#include <cstdint>
#include <optional>

#include "platform/picture.h"

namespace morvane {

// A rectangle of a picture's pixels.
struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
    bool operator==(const PictureRect&) const = default;
};

// A picture that keeps most frames as the rectangle they change in the frame before, and so
// can hand out just that: what the screen needs to follow an animation a frame at a time.
class FrameChanges {
  public:
    virtual ~FrameChanges() = default;

    // What frame `frame` changes in frame `frame - 1`: sets `rect` and writes the rectangle's
    // pixels of frame `frame` (rect.width a row) to `out`, which holds at least Width() x
    // Height() pixels. False when the frame is not kept that way; then read the whole frame.
    virtual bool CopyFrameChange(int frame, PictureRect& rect, uint32_t* out) const = 0;
    // The rectangle alone; nothing when the frame is not kept that way.
    virtual std::optional<PictureRect> FrameChangeRect(int frame) const = 0;
};

// The same for any picture: false for pictures that do not keep their frames that way.
inline bool CopyFrameChange(const Picture& picture, int frame, PictureRect& rect, uint32_t* out) {
    const auto* changes = dynamic_cast<const FrameChanges*>(&picture);
    return changes != nullptr && changes->CopyFrameChange(frame, rect, out);
}

inline std::optional<PictureRect> FrameChangeRect(const Picture& picture, int frame) {
    const auto* changes = dynamic_cast<const FrameChanges*>(&picture);
    return changes != nullptr ? changes->FrameChangeRect(frame) : std::nullopt;
}

}  // namespace morvane
