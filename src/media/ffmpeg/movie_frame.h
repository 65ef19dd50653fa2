#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace morvane::ffmpeg {

// One decoded movie frame as a still picture. Each frame is a new picture, so the window sees
// a new picture to upload and the frame before it is freed once nothing shows it.
class MovieFrame final : public Picture {
  public:
    MovieFrame(int width, int height, std::vector<uint32_t> argb, std::string source)
        : width_(width), height_(height), argb_(std::move(argb)), source_(std::move(source)) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int FrameCount() const override { return 1; }
    int FrameDelayMs(int) const override { return 0; }
    void CopyFrameArgb(int, uint32_t* out) const override {
        std::copy(argb_.begin(), argb_.end(), out);
    }
    int LoopCount() const override { return 0; }
    std::optional<HotSpot> CursorHotSpot() const override { return {}; }
    const std::string& SourceName() const override { return source_; }
    std::size_t MemoryBytes() const override { return argb_.size() * sizeof(uint32_t); }

  private:
    int width_;
    int height_;
    std::vector<uint32_t> argb_;
    std::string source_;
};

}  // namespace morvane::ffmpeg
