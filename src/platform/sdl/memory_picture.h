#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/picture.h"

namespace morvane::sdl {

// A picture made in memory rather than read from a file: the window's own decorations (the
// message box's frame and title bar) and generated test scenes.
class MemoryPicture final : public Picture {
  public:
    // Every frame holds width x height pixels, 0xAARRGGBB with straight alpha.
    MemoryPicture(int width, int height, std::vector<std::vector<uint32_t>> frames,
                  std::vector<int> delays_ms = {}, std::optional<HotSpot> hot_spot = {},
                  std::string name = {})
        : width_(width),
          height_(height),
          frames_(std::move(frames)),
          delays_(std::move(delays_ms)),
          hot_spot_(hot_spot),
          name_(std::move(name)) {}

    // One frame of one colour.
    static PicturePtr Solid(int width, int height, uint32_t argb) {
        return std::make_shared<const MemoryPicture>(
            width, height,
            std::vector<std::vector<uint32_t>>{
                std::vector<uint32_t>(static_cast<std::size_t>(width) * height, argb)});
    }

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int FrameCount() const override { return static_cast<int>(frames_.size()); }
    int FrameDelayMs(int frame) const override {
        return frame >= 0 && frame < static_cast<int>(delays_.size())
                   ? delays_[static_cast<std::size_t>(frame)]
                   : 100;
    }
    void CopyFrameArgb(int frame, uint32_t* out) const override {
        const auto& pixels = frames_.at(static_cast<std::size_t>(frame));
        std::copy(pixels.begin(), pixels.end(), out);
    }
    int LoopCount() const override { return 0; }
    std::optional<HotSpot> CursorHotSpot() const override { return hot_spot_; }
    const std::string& SourceName() const override { return name_; }
    std::size_t MemoryBytes() const override {
        return frames_.size() * static_cast<std::size_t>(width_) * height_ * 4;
    }

  private:
    int width_;
    int height_;
    std::vector<std::vector<uint32_t>> frames_;
    std::vector<int> delays_;
    std::optional<HotSpot> hot_spot_;
    std::string name_;
};

}  // namespace morvane::sdl
