#pragma once

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/environment.h"
#include "platform/input_source.h"
#include "platform/sdl/canvas_layout.h"
#include "platform/sdl/cursor_cache.h"
#include "platform/sdl/font.h"
#include "platform/sdl/scene_renderer.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_library.h"
#include "platform/sdl/system_windows.h"
#include "platform/window.h"

namespace morvane::sdl {

struct WindowOptions {
    // The window's title until the game's own is known (SetGameTitle).
    std::string title = "Morvane Player";
    Scaling scaling = Scaling::kFit;
    bool full_screen = false;
    // The window's size while it is not full screen.
    int width = 800;
    int height = 600;
    std::string font_path = kDefaultFontPath;
    int font_size = kDefaultFontSize;
};

// The player's system window: the game's screen as one 800 x 600 canvas, scaled into the window
// with its aspect ratio kept. It reads the desktop to draw and posts SDL input to it, mapped back
// through the scaling; it is the input source of the loops that wait for the user, and its
// Block() is the real clock's way to sleep: it draws what changed, then waits on SDL's queue
// until input arrives or the next timer is due.
//
// It draws only when the desktop's revision moved (or the window was exposed, resized or
// switched to full screen), so a still scene costs nothing between timers.
class GameWindow final : public InputSource {
  public:
    static constexpr int kCanvasWidth = 800;
    static constexpr int kCanvasHeight = 600;
    // The smallest window: half the canvas, still big enough to hit the inventory's icons.
    static constexpr int kMinimumWidth = 400;
    static constexpr int kMinimumHeight = 300;
    // What follows the game's title in the window's title bar.
    static constexpr const char* kTitleSuffix = " - Morvane Player";

    // Throws SdlError when no window, renderer or font can be had.
    explicit GameWindow(const WindowOptions& options = {});
    ~GameWindow() override;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // The desktop to draw and to post input to. Until then input is dropped.
    void Attach(Desktop& desktop);

    // For SystemClock: sleeps through this window.
    SystemClock::Blocker Blocker();
    // Draws what changed, then waits at most `timeout_ms` (kNever: without limit) for input and
    // posts whatever input is queued.
    void Block(TimeMs timeout_ms);

    InputStep TakeInput(EventLoop& loop) override;

    // Draws the canvas if the desktop changed and shows it if anything is new, and sets the
    // system cursor. Returns whether a frame was shown.
    bool Refresh();

    // Turns one SDL event into the desktop's input (or a window matter such as Alt+Enter).
    void HandleEvent(const SDL_Event& event);
    // Handles every queued SDL event without waiting.
    void PollEvents();

    bool FullScreen() const;
    void SetFullScreen(bool on);
    Scaling GetScaling() const { return scaling_; }
    void SetScaling(Scaling scaling);
    // Sets the window's size while it is not full screen.
    void Resize(int width, int height);

    // Where the canvas lies in the window, in the window coordinates mouse events use.
    CanvasLayout Layout() const;

    // The game's title (UTF-8) for the title bar ("TITLE - Morvane Player") and screenshots.
    void SetGameTitle(const std::string& title);
    // Where the game's title comes from once the game has read it: asked whenever the desktop
    // changed, so the title bar follows without the game knowing of it.
    std::function<std::string()> TitleSource;
    const std::string& GameTitle() const { return game_title_; }

    // Saves the canvas as a PNG in the pictures folder (see screenshot.h) and returns its path;
    // throws std::runtime_error when it cannot be written.
    std::filesystem::path TakeScreenshot(const EnvironmentLookup& environment = SystemEnvironment);

    // Runs on the loop when the user closes the window or presses Ctrl+Q; without one the loops
    // that wait for the user are asked to end.
    std::function<void()> OnCloseRequested;
    // Ctrl+M: the player's own mute switch.
    std::function<void()> OnMuteToggled;
    // The player's own one-line reports to the user (the screenshot's path, or why it failed).
    std::function<void(const std::string&)> OnNotice;
    // Runs right after a frame was shown (to measure how fast changes reach the screen).
    std::function<void()> OnPresented;

    // The canvas as last drawn, row by row, 0xAARRGGBB.
    std::vector<uint32_t> ReadCanvas();
    // What the window shows (the scaled canvas and its letterbox), with its size in pixels.
    std::vector<uint32_t> ReadWindow(int& width, int& height);

    uint64_t CanvasDraws() const { return canvas_draws_; }
    uint64_t FramesShown() const { return frames_shown_; }
    const Font& GetFont() const { return font_; }
    // The SDL renderer drawing the window ("software", "opengl", ...).
    std::string RendererName() const;
    SceneRenderer& Renderer() { return scene_; }
    CursorCache& Cursors() { return cursors_; }
    SDL_Window* NativeWindow() const { return window_.get(); }
    // The system windows of their own that some windows are shown in beside this one.
    SystemWindows& OwnWindows() { return own_windows_; }

    // The model window this system window stands for when it is minimised and restored: the
    // game's main window. Minimising one minimises the other.
    void SetMainWindow(Window* window) { main_window_ = window; }

  private:
    void Composite();
    // The player's own keys (full screen, screenshot, mute, quit); true when `event` was one.
    bool HandlePlayerKey(const SDL_Event& event);
    void RequestClose();
    void Notice(const std::string& line);
    SDL_Texture* MagnifiedCanvas(int magnification);
    void FollowMinimized(bool minimized);
    Point ToCanvas(int x, int y) const;
    int CursorScale() const;

    SdlLibrary library_;
    WindowHandle window_;
    RendererHandle renderer_;
    TextureHandle canvas_;
    // The canvas magnified by whole pixels, filtered down from there to the window.
    TextureHandle magnified_;
    int magnified_by_ = 0;
    std::string game_title_;
    Font font_;
    SceneRenderer scene_;
    CursorCache cursors_;
    SystemWindows own_windows_;
    Desktop* desktop_ = nullptr;
    Window* main_window_ = nullptr;
    Scaling scaling_;
    uint64_t drawn_revision_ = 0;
    bool must_draw_ = true;
    bool must_show_ = true;
    // Full screen made by the player itself where no window manager does it, and where the
    // window was before.
    bool covering_screen_ = false;
    Rect windowed_{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600};
    // The player's own keys never reach the game, neither going down nor coming up.
    SDL_Keycode swallow_key_up_ = SDLK_UNKNOWN;
    uint64_t canvas_draws_ = 0;
    uint64_t frames_shown_ = 0;
};

}  // namespace morvane::sdl
