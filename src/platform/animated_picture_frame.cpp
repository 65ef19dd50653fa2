#include "platform/animated_picture_frame.h"

#include <memory>
#include <utility>

namespace morvane {
namespace {

class FramePicture final : public Picture {
  public:
    FramePicture(PicturePtr source, int frame) : source_(std::move(source)), frame_(frame) {}

    int Width() const override { return source_->Width(); }
    int Height() const override { return source_->Height(); }
    int FrameCount() const override { return 1; }
    int FrameDelayMs(int) const override { return source_->FrameDelayMs(frame_); }
    void CopyFrameArgb(int, uint32_t* out) const override { source_->CopyFrameArgb(frame_, out); }
    int LoopCount() const override { return 0; }
    std::optional<HotSpot> CursorHotSpot() const override { return source_->CursorHotSpot(); }
    const std::string& SourceName() const override { return source_->SourceName(); }
    // The frames belong to the viewed picture, which the cache already counts.
    std::size_t MemoryBytes() const override { return sizeof(*this); }

  private:
    PicturePtr source_;
    int frame_;
};

}  // namespace

PicturePtr MakeFramePicture(PicturePtr source, int frame) {
    if (!source || frame < 0 || frame >= source->FrameCount()) {
        return nullptr;
    }
    if (source->FrameCount() == 1) {
        return source;
    }
    return std::make_shared<const FramePicture>(std::move(source), frame);
}

}  // namespace morvane
