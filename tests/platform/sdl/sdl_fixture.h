#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/control_display.h"
#include "platform/sdl/memory_picture.h"
#include "platform/sdl/windowed_desktop.h"
#include "platform/window.h"

namespace morvane::testing {

inline constexpr uint32_t kBlack = 0xFF000000u;
inline constexpr uint32_t kSceneBlue = 0xFF2040C0u;
inline constexpr uint32_t kObjectRed = 0xFFE02020u;
inline constexpr uint32_t kObjectGreen = 0xFF20C040u;

inline PicturePtr SolidPicture(int width, int height, uint32_t argb) {
    return sdl::MemoryPicture::Solid(width, height, argb);
}

// A picture of several frames, each of one colour.
inline PicturePtr FramesPicture(int width, int height, const std::vector<uint32_t>& colours) {
    std::vector<std::vector<uint32_t>> frames;
    for (const uint32_t colour : colours) {
        frames.emplace_back(static_cast<std::size_t>(width) * height, colour);
    }
    return std::make_shared<const sdl::MemoryPicture>(width, height, std::move(frames));
}

// The game's main window in small: the scene view at its place, one object in it.
class SceneWindow : public Window {
  public:
    explicit SceneWindow(Desktop& desktop) : Window(desktop, "Main") {
        Move(0, 0, 800, 600);
        ScnImg.Move(48, 56, 700, 475);
        ScnImg.SetPicture(SolidPicture(700, 475, kSceneBlue));
        Animation.Move(100, 50, 40, 30);
        Animation.SetPicture(SolidPicture(40, 30, kObjectRed));
    }

    PictureBox ScnImg{*this, "ScnImg"};
    PictureBox Animation{ScnImg, "Animation", 1};
};

// A player in a window under SDL's headless video driver.
class SdlTest : public ::testing::Test {
  protected:
    uint32_t CanvasAt(Point p) {
        const auto pixels = runtime_.window.ReadCanvas();
        return pixels[static_cast<std::size_t>(p.y) * sdl::GameWindow::kCanvasWidth + p.x];
    }

    // The canvas point at the centre of a control.
    Point CentreOf(const Control& control) const {
        return runtime_.desktop.ScreenBounds(control).Centre();
    }

    sdl::WindowedDesktop runtime_;
};

}  // namespace morvane::testing
