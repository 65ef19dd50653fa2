#include "platform/picture_on_demand.h"

#include "platform/picture_changes.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace morvane {
namespace {

class PictureOnDemand final : public Picture, public FrameChanges {
  public:
    PictureOnDemand(PictureShape shape, std::function<PicturePtr()> draw)
        : shape_(std::move(shape)), draw_(std::move(draw)) {}

    int Width() const override { return shape_.width; }
    int Height() const override { return shape_.height; }
    int FrameCount() const override { return static_cast<int>(shape_.delays_ms.size()); }
    int FrameDelayMs(int frame) const override {
        if (frame < 0 || frame >= FrameCount()) {
            return 0;
        }
        return shape_.delays_ms[static_cast<std::size_t>(frame)];
    }
    void CopyFrameArgb(int frame, uint32_t* out) const override {
        Drawn().CopyFrameArgb(frame, out);
    }
    bool CopyFrameChange(int frame, PictureRect& rect, uint32_t* out) const override {
        return morvane::CopyFrameChange(Drawn(), frame, rect, out);
    }
    std::optional<PictureRect> FrameChangeRect(int frame) const override {
        return morvane::FrameChangeRect(Drawn(), frame);
    }
    int LoopCount() const override { return Drawn().LoopCount(); }
    std::optional<HotSpot> CursorHotSpot() const override { return Drawn().CursorHotSpot(); }
    // Pictures the player draws come from no file.
    const std::string& SourceName() const override { return name_; }
    std::size_t MemoryBytes() const override {
        return sizeof(*this) + (drawn_ ? drawn_->MemoryBytes() : 0);
    }

  private:
    const Picture& Drawn() const {
        if (!drawn_) {
            PicturePtr drawn = draw_();
            if (!drawn || drawn->Width() != Width() || drawn->Height() != Height() ||
                drawn->FrameCount() != FrameCount()) {
                throw std::logic_error("a picture drawn on demand differs from its shape");
            }
            for (int frame = 0; frame < FrameCount(); ++frame) {
                if (drawn->FrameDelayMs(frame) != FrameDelayMs(frame)) {
                    throw std::logic_error("a picture drawn on demand differs from its shape");
                }
            }
            drawn_ = std::move(drawn);
            draw_ = nullptr;
        }
        return *drawn_;
    }

    PictureShape shape_;
    mutable std::function<PicturePtr()> draw_;
    mutable PicturePtr drawn_;
    std::string name_;
};

}  // namespace

PicturePtr DrawOnDemand(PictureShape shape, std::function<PicturePtr()> draw) {
    return std::make_shared<const PictureOnDemand>(std::move(shape), std::move(draw));
}

}  // namespace morvane
