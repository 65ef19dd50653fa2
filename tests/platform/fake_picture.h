#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/picture.h"

namespace morvane::testing {

// A one-frame picture with nothing in it; enough where only a picture's identity matters.
class BlankPicture final : public Picture {
  public:
    explicit BlankPicture(std::string name) : name_(std::move(name)) {}

    int Width() const override { return 1; }
    int Height() const override { return 1; }
    int FrameCount() const override { return 1; }
    int FrameDelayMs(int) const override { return 0; }
    void CopyFrameArgb(int, uint32_t* out) const override { *out = 0; }
    int LoopCount() const override { return 0; }
    std::optional<HotSpot> CursorHotSpot() const override { return std::nullopt; }
    const std::string& SourceName() const override { return name_; }
    std::size_t MemoryBytes() const override { return sizeof(*this); }

  private:
    std::string name_;
};

inline PicturePtr MakeBlankPicture(std::string name) {
    return std::make_shared<const BlankPicture>(std::move(name));
}

}  // namespace morvane::testing
