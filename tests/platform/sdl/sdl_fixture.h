#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "backend/sdl_backend.h"
#include "platform/control_display.h"
#include "platform/sdl/memory_picture.h"
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

// Synthesizes what SDL delivers for a click at a point of a system window (`window_id` 0: the
// game window).
inline void PushClick(Point window_point, Uint8 button = SDL_BUTTON_LEFT, Uint32 window_id = 0) {
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{};
        event.type = type;
        event.button.windowID = window_id;
        event.button.button = button;
        event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.clicks = 1;
        event.button.x = window_point.x;
        event.button.y = window_point.y;
        SDL_PushEvent(&event);
    }
}

// The user in front of the window: the first time the player waits for input it looks at the
// screen and acts through SDL's queue, then the window's own input takes over.
class ScriptedUser : public InputSource {
  public:
    ScriptedUser(sdl::GameWindow& window, std::function<void()> act)
        : window_(window), act_(std::move(act)) {}

    InputStep TakeInput(EventLoop& loop) override {
        if (act_) {
            window_.Refresh();
            std::exchange(act_, nullptr)();
        }
        return window_.TakeInput(loop);
    }

  private:
    sdl::GameWindow& window_;
    std::function<void()> act_;
};

inline void PushKey(SDL_Keycode key, Uint16 modifiers = 0) {
    for (const Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.sym = key;
        event.key.keysym.mod = modifiers;
        SDL_PushEvent(&event);
    }
}

inline void PushMove(Point window_point) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = window_point.x;
    event.motion.y = window_point.y;
    SDL_PushEvent(&event);
}

inline void PushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, utf8, sizeof(event.text.text));
    SDL_PushEvent(&event);
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

// A player in a window under SDL's headless video driver, the small main window shown.
class SdlTest : public ::testing::Test {
  protected:
    SdlTest() { main_.Show(); }

    // Takes what SDL has queued and runs it, as the waiting loop does.
    void Deliver() {
        runtime_.window.PollEvents();
        runtime_.loop.PumpEvents();
    }

    uint32_t CanvasAt(Point p) {
        const auto pixels = runtime_.window.ReadCanvas();
        return pixels[static_cast<std::size_t>(p.y) * sdl::GameWindow::kCanvasWidth + p.x];
    }

    // The canvas point at the centre of a control.
    Point CentreOf(const Control& control) const {
        return runtime_.desktop.ScreenBounds(control).Centre();
    }

    WindowRuntime runtime_;
    SceneWindow main_{runtime_.desktop};
};

}  // namespace morvane::testing
