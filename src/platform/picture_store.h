#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture.h"
#include "platform/picture_changes.h"

namespace morvane {

// Turns fully composited 32-bit frames into a Picture that keeps them compact. Every decoder
// (GIF, still images, built-in drawings) hands its frames here, so all pictures share one
// memory layout:
//  - a frame that differs from the one before it only inside a small rectangle keeps just that
//    rectangle (a "delta"); when most of the picture changed, or once the deltas since the last
//    whole frame (a "key") add up to a whole picture, a whole frame is kept, so reading any
//    frame copies at most about two pictures' worth of pixels;
//  - pixels are kept as 8-bit indices into a palette shared by consecutive frames whenever
//    their colours fit in 256 entries (always for a GIF with one colour table), else as
//    32-bit colours.
// Fully transparent pixels are all stored as 0x00000000: with straight alpha their colour is
// never seen.
class CompactPictureBuilder {
  public:
    CompactPictureBuilder(int width, int height);
    ~CompactPictureBuilder();
    CompactPictureBuilder(CompactPictureBuilder&&) noexcept;
    CompactPictureBuilder& operator=(CompactPictureBuilder&&) noexcept;

    int Width() const;
    int Height() const;
    int FrameCount() const;

    // Appends a frame of Width() x Height() pixels (0xAARRGGBB, straight alpha).
    void AddFrame(const uint32_t* argb, int delay_ms);
    // The same for a decoder that knows where its frames can differ: only pixels inside
    // `changed` may differ from the frame added before, so only that rectangle is read.
    void AddFrame(const uint32_t* argb, int delay_ms, const PictureRect& changed);
    // Appends a frame of Width() x Height() 8-bit entries of `palette` (256 colours, straight
    // alpha, every fully transparent one 0x00000000), as a GIF decoder composites them. Only
    // entries inside `changed` may differ from the frame added before, and outside it their
    // colours stay too. Within one `palette_epoch` an entry the frames use never changes
    // colour (entries not used yet may be given one); a new epoch may give entries no pixel
    // outside `changed` shows a new colour.
    void AddIndexedFrame(const uint8_t* indices, const uint32_t* palette, int palette_epoch,
                         const PictureRect& changed, int delay_ms);

    void SetLoopCount(int loop_count);
    void SetHotSpot(std::optional<HotSpot> hot_spot);
    void SetSourceName(std::string name);

    // Memory held by the frames added so far.
    std::size_t MemoryBytes() const;

    // The finished picture; the builder is left empty.
    PicturePtr Build();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// A still picture from one 32-bit frame.
PicturePtr MakeStillPicture(int width, int height, const std::vector<uint32_t>& argb,
                            std::string source_name = {},
                            std::optional<HotSpot> hot_spot = std::nullopt);

}  // namespace morvane
