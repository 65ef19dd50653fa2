#include "platform/sdl/game_window.h"

#include <algorithm>
#include <climits>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "platform/event_loop.h"
#include "platform/sdl/key_codes.h"
#include "platform/sdl/mouse_input.h"
#include "platform/sdl/player_icon.h"
#include "platform/sdl/screenshot.h"
#include "platform/sdl/window_manager.h"
#include "platform/sdl/window_renderer.h"

namespace morvane::sdl {
namespace {

WindowHandle MakeWindow(const WindowOptions& options) {
    // Full screen is switched on once the window exists, where it can be seen whether a window
    // manager will do it.
    const Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    WindowHandle window(SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED,
                                         SDL_WINDOWPOS_CENTERED, std::max(options.width, 1),
                                         std::max(options.height, 1), flags));
    if (!window) {
        throw SdlError("Cannot open the game window");
    }
    SDL_SetWindowMinimumSize(window.get(), GameWindow::kMinimumWidth, GameWindow::kMinimumHeight);
    constexpr int kIconSize = 64;
    auto icon_pixels = DrawPlayerIcon(kIconSize);
    if (SurfaceHandle icon(SDL_CreateRGBSurfaceWithFormatFrom(
            icon_pixels.data(), kIconSize, kIconSize, 32, kIconSize * 4, SDL_PIXELFORMAT_ARGB8888));
        icon) {
        SDL_SetWindowIcon(window.get(), icon.get());
    }
    return window;
}

TextureHandle MakeCanvas(SDL_Renderer* renderer) {
    TextureHandle canvas(SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                           SDL_TEXTUREACCESS_TARGET, GameWindow::kCanvasWidth,
                                           GameWindow::kCanvasHeight));
    if (!canvas) {
        throw SdlError("Cannot make the game canvas");
    }
    SDL_SetTextureBlendMode(canvas.get(), SDL_BLENDMODE_NONE);
    return canvas;
}

std::vector<uint32_t> ReadTarget(SDL_Renderer* renderer, int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4);
    return pixels;
}

}  // namespace

GameWindow::GameWindow(const WindowOptions& options)
    : window_(MakeWindow(options)),
      renderer_(MakeWindowRenderer(window_.get(), "Cannot draw in the game window")),
      canvas_(MakeCanvas(renderer_.get())),
      font_(options.font_path, options.font_size),
      scene_(renderer_.get(), font_),
      own_windows_(window_.get(), font_),
      scaling_(options.scaling) {
    // The game ends when its own window closes, not when the last of the player's windows
    // does: closing the game window while a window beside it is open ends the game too.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SetScaling(scaling_);
    if (options.full_screen) {
        SetFullScreen(true);
    }
}

GameWindow::~GameWindow() = default;

void GameWindow::Attach(Desktop& desktop) {
    desktop_ = &desktop;
    desktop_->SetScreenSize(kCanvasWidth, kCanvasHeight);
    own_windows_.Attach(desktop);
    must_draw_ = true;
}

SystemClock::Blocker GameWindow::Blocker() {
    return [this](TimeMs timeout_ms) { Block(timeout_ms); };
}

void GameWindow::Block(TimeMs timeout_ms) {
    Refresh();
    const int wait =
        timeout_ms == kNever ? -1 : static_cast<int>(std::clamp<TimeMs>(timeout_ms, 0, INT_MAX));
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, wait) != 0) {
        HandleEvent(event);
        PollEvents();
    }
}

InputStep GameWindow::TakeInput(EventLoop& loop) {
    PollEvents();
    if (loop.HasPendingEvents()) {
        return InputStep::Continue();
    }
    // Nothing yet: the loop runs its timers and sleeps in Block() until input comes.
    return InputStep::WaitUntil(kNever);
}

void GameWindow::PollEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        HandleEvent(event);
    }
}

void GameWindow::FollowMinimized(bool minimized) {
    if (main_window_ != nullptr && main_window_->Minimized() != minimized) {
        // The game sees the change as a platform event, on the next pump.
        Window* main = main_window_;
        desktop_->Loop().Post([main, minimized] { main->SetMinimized(minimized); });
    }
}

bool GameWindow::Refresh() {
    if (desktop_ == nullptr) {
        return false;
    }
    // The game minimised its main window (the debug window's "Minimize Player").
    if (main_window_ != nullptr && main_window_->Minimized() &&
        (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_MINIMIZED) == 0) {
        SDL_MinimizeWindow(window_.get());
    }
    own_windows_.Refresh();
    const uint64_t revision = desktop_->Revision();
    if (must_draw_ || revision != drawn_revision_) {
        if (must_draw_) {
            scene_.Invalidate();
        }
        SDL_SetRenderTarget(renderer_.get(), canvas_.get());
        if (scene_.Draw(*desktop_)) {
            must_show_ = true;
            ++canvas_draws_;
        }
        SDL_SetRenderTarget(renderer_.get(), nullptr);
        drawn_revision_ = revision;
        must_draw_ = false;
        if (TitleSource) {
            if (std::string title = TitleSource(); title != game_title_) {
                SetGameTitle(title);
            }
        }
    }
    cursors_.Show(desktop_->PointerToShow(), CursorScale());
    if (!must_show_) {
        return false;
    }
    Composite();
    SDL_RenderPresent(renderer_.get());
    must_show_ = false;
    ++frames_shown_;
    if (OnPresented) {
        OnPresented();
    }
    return true;
}

void GameWindow::Composite() {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &width, &height);
    const CanvasLayout layout(kCanvasWidth, kCanvasHeight, width, height, scaling_);
    SDL_Texture* source = canvas_.get();
    SDL_SetTextureScaleMode(
        canvas_.get(), layout.FilteredToDestination() ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    if (layout.FilteredToDestination() && layout.Magnification() > 1) {
        // Sharp: whole pixels first, then only the last fraction of a pixel is filtered.
        if (SDL_Texture* magnified = MagnifiedCanvas(layout.Magnification())) {
            SDL_SetTextureScaleMode(canvas_.get(), SDL_ScaleModeNearest);
            SDL_SetRenderTarget(renderer_.get(), magnified);
            SDL_RenderCopy(renderer_.get(), canvas_.get(), nullptr, nullptr);
            source = magnified;
        }
    }
    SDL_SetRenderTarget(renderer_.get(), nullptr);
    SDL_RenderSetClipRect(renderer_.get(), nullptr);
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    const Rect& d = layout.Destination();
    const SDL_Rect dest{d.left, d.top, d.width, d.height};
    SDL_RenderCopy(renderer_.get(), source, nullptr, &dest);
}

SDL_Texture* GameWindow::MagnifiedCanvas(int magnification) {
    if (magnified_by_ == magnification && magnified_) {
        return magnified_.get();
    }
    magnified_.reset();
    magnified_by_ = 0;
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer_.get(), &info);
    const int limit = std::min(info.max_texture_width > 0 ? info.max_texture_width : INT_MAX,
                               info.max_texture_height > 0 ? info.max_texture_height : INT_MAX);
    if (kCanvasWidth * magnification > limit || kCanvasHeight * magnification > limit) {
        // Larger than the renderer can hold: filtered straight from the canvas.
        return nullptr;
    }
    magnified_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888,
                                       SDL_TEXTUREACCESS_TARGET, kCanvasWidth * magnification,
                                       kCanvasHeight * magnification));
    if (!magnified_) {
        return nullptr;
    }
    SDL_SetTextureBlendMode(magnified_.get(), SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(magnified_.get(), SDL_ScaleModeLinear);
    magnified_by_ = magnification;
    return magnified_.get();
}

CanvasLayout GameWindow::Layout() const {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_.get(), &width, &height);
    return {kCanvasWidth, kCanvasHeight, width, height, scaling_};
}

Point GameWindow::ToCanvas(int x, int y) const {
    return Layout().WindowToCanvas({x, y});
}

int GameWindow::CursorScale() const {
    return std::max(1, Layout().Destination().width / kCanvasWidth);
}

void GameWindow::HandleEvent(const SDL_Event& event) {
    if (own_windows_.HandleEvent(event)) {
        return;
    }
    switch (event.type) {
        case SDL_QUIT:
            RequestClose();
            return;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_RESIZED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                    must_show_ = true;
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                    must_show_ = true;
                    FollowMinimized(false);
                    break;
                case SDL_WINDOWEVENT_MINIMIZED:
                    FollowMinimized(true);
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    // The keys follow the keyboard back from a window beside the game.
                    if (desktop_ != nullptr) {
                        desktop_->PostActivate(nullptr);
                    }
                    break;
                case SDL_WINDOWEVENT_CLOSE:
                    RequestClose();
                    break;
                default:
                    break;
            }
            return;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            // The canvas's contents were lost with the device.
            must_draw_ = true;
            return;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (HandlePlayerKey(event)) {
                return;
            }
            break;
        default:
            break;
    }
    if (desktop_ == nullptr) {
        return;
    }
    const bool is_key = event.type == SDL_KEYDOWN || event.type == SDL_KEYUP;
    const int shift =
        ShiftStateOf(is_key ? event.key.keysym.mod : static_cast<Uint16>(SDL_GetModState()));
    switch (event.type) {
        case SDL_MOUSEMOTION:
            desktop_->PostMouseMove(ToCanvas(event.motion.x, event.motion.y), shift);
            break;
        case SDL_MOUSEBUTTONDOWN:
            desktop_->PostMouseDown(ToCanvas(event.button.x, event.button.y),
                                    ButtonOf(event.button.button), shift);
            break;
        case SDL_MOUSEBUTTONUP:
            desktop_->PostMouseUp(ToCanvas(event.button.x, event.button.y),
                                  ButtonOf(event.button.button), shift);
            break;
        case SDL_MOUSEWHEEL:
            PostWheel(*desktop_, WheelSteps(event.wheel));
            break;
        case SDL_KEYDOWN: {
            const SDL_Keycode key = event.key.keysym.sym;
            if (const int code = KeyCodeOf(key); code != 0) {
                desktop_->PostKeyDown(code, shift);
            }
            if (const int ascii = ControlKeyAsciiOf(key); ascii != 0) {
                desktop_->PostKeyPress(ascii);
            }
            break;
        }
        case SDL_KEYUP: {
            const SDL_Keycode key = event.key.keysym.sym;
            if (const int code = KeyCodeOf(key); code != 0) {
                desktop_->PostKeyUp(code, shift);
            }
            break;
        }
        case SDL_TEXTINPUT:
            for (const unsigned char byte : TypedBytes(event.text.text)) {
                desktop_->PostKeyPress(byte);
            }
            break;
        default:
            break;
    }
}

bool GameWindow::HandlePlayerKey(const SDL_Event& event) {
    const SDL_Keycode key = event.key.keysym.sym;
    if (event.type == SDL_KEYUP) {
        if (swallow_key_up_ != SDLK_UNKNOWN && key == swallow_key_up_) {
            swallow_key_up_ = SDLK_UNKNOWN;
            return true;
        }
        return false;
    }
    const Uint16 mod = event.key.keysym.mod;
    const bool alt = (mod & KMOD_ALT) != 0;
    const bool ctrl = (mod & KMOD_CTRL) != 0;
    const bool first = event.key.repeat == 0;
    if (((key == SDLK_RETURN || key == SDLK_KP_ENTER) && alt) || (key == SDLK_F11 && !alt)) {
        if (first) {
            SetFullScreen(!FullScreen());
        }
    } else if (key == SDLK_F12 && !alt && !ctrl) {
        if (first) {
            try {
                Notice("screenshot saved: " + TakeScreenshot().string());
            } catch (const std::runtime_error& error) {
                Notice(error.what());
            }
        }
    } else if (key == SDLK_m && ctrl && !alt) {
        if (first && OnMuteToggled) {
            OnMuteToggled();
        }
    } else if (key == SDLK_q && ctrl && !alt) {
        if (first) {
            RequestClose();
        }
    } else {
        return false;
    }
    swallow_key_up_ = key;
    return true;
}

void GameWindow::RequestClose() {
    if (desktop_ == nullptr) {
        return;
    }
    if (OnCloseRequested) {
        desktop_->Loop().Post(OnCloseRequested);
    } else {
        desktop_->Loop().Quit();
    }
}

void GameWindow::Notice(const std::string& line) {
    if (OnNotice) {
        OnNotice(line);
    } else {
        std::cerr << "morvane-player: " << line << '\n';
    }
}

void GameWindow::SetGameTitle(const std::string& title) {
    game_title_ = title;
    const std::string shown = title.empty() ? std::string("Morvane Player") : title + kTitleSuffix;
    SDL_SetWindowTitle(window_.get(), shown.c_str());
}

std::filesystem::path GameWindow::TakeScreenshot(const EnvironmentLookup& environment) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return SaveScreenshot(ReadCanvas(), kCanvasWidth, kCanvasHeight, PicturesFolder(environment),
                          ScreenshotFileName(game_title_, local));
}

std::string GameWindow::RendererName() const {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer_.get(), &info) != 0 || info.name == nullptr) {
        return {};
    }
    return info.name;
}

bool GameWindow::FullScreen() const {
    return covering_screen_ || (SDL_GetWindowFlags(window_.get()) &
                                (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP)) != 0;
}

void GameWindow::SetFullScreen(bool on) {
    must_show_ = true;
    if (on == FullScreen()) {
        return;
    }
    SDL_Window* window = window_.get();
    if (!on && covering_screen_) {
        covering_screen_ = false;
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowSize(window, windowed_.width, windowed_.height);
        SDL_SetWindowPosition(window, windowed_.left, windowed_.top);
        return;
    }
    if (!on || HasWindowManager(window)) {
        SDL_SetWindowFullscreen(window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        return;
    }
    // Nobody to ask: a window without a frame covering the whole screen it is on.
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window), 0), &bounds) != 0) {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        return;
    }
    SDL_GetWindowPosition(window, &windowed_.left, &windowed_.top);
    SDL_GetWindowSize(window, &windowed_.width, &windowed_.height);
    covering_screen_ = true;
    SDL_SetWindowBordered(window, SDL_FALSE);
    SDL_SetWindowPosition(window, bounds.x, bounds.y);
    SDL_SetWindowSize(window, bounds.w, bounds.h);
}

void GameWindow::SetScaling(Scaling scaling) {
    scaling_ = scaling;
    must_show_ = true;
}

void GameWindow::Resize(int width, int height) {
    SDL_SetWindowSize(window_.get(), std::max(width, 1), std::max(height, 1));
    must_show_ = true;
}

std::vector<uint32_t> GameWindow::ReadCanvas() {
    SDL_SetRenderTarget(renderer_.get(), canvas_.get());
    auto pixels = ReadTarget(renderer_.get(), kCanvasWidth, kCanvasHeight);
    SDL_SetRenderTarget(renderer_.get(), nullptr);
    return pixels;
}

std::vector<uint32_t> GameWindow::ReadWindow(int& width, int& height) {
    SDL_GetRendererOutputSize(renderer_.get(), &width, &height);
    // What the next shown frame holds; reading after showing is not reliable on every renderer.
    Composite();
    return ReadTarget(renderer_.get(), width, height);
}

}  // namespace morvane::sdl
