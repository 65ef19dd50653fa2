#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

struct HotSpot {
    int x = 0;
    int y = 0;
};

// A decoded picture: one or more composited frames of the same size, with per-frame delays.
// Immutable once made and shared between controls: two controls that show "the same picture"
// hold the same Picture, and picture identity (the pointer) is what the pointer model compares.
class Picture {
  public:
    virtual ~Picture() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual int FrameCount() const = 0;

    // How long frame `frame` (0-based) stays on screen, in milliseconds.
    virtual int FrameDelayMs(int frame) const = 0;

    // Writes frame `frame` fully composited as Width() x Height() pixels, row by row, each pixel
    // 0xAARRGGBB with straight (not premultiplied) alpha.
    virtual void CopyFrameArgb(int frame, uint32_t* out) const = 0;

    // Number of times an animation loops (0 = for ever), as the file asks.
    virtual int LoopCount() const = 0;

    // The pointer hot spot stored in a cursor file, if any.
    virtual std::optional<HotSpot> CursorHotSpot() const = 0;

    // The file the picture came from (empty for built-in pictures); used for the "picture
    // file" property and the decode cache.
    virtual const std::string& SourceName() const = 0;

    // Approximate memory held by the decoded frames, for the cache's bound.
    virtual std::size_t MemoryBytes() const = 0;
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace morvane
