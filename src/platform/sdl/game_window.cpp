#include "platform/sdl/game_window.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/control_list_box.h"
#include "platform/event_loop.h"
#include "platform/sdl/key_codes.h"

namespace morvane::sdl {
namespace {

WindowHandle MakeWindow(const WindowOptions& options) {
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (options.full_screen) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    WindowHandle window(SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED,
                                         SDL_WINDOWPOS_CENTERED, std::max(options.width, 1),
                                         std::max(options.height, 1), flags));
    if (!window) {
        throw SdlError("Cannot open the game window");
    }
    return window;
}

// Whether this process can reach a graphics processor. Without one, OpenGL could only be
// emulated on the processor (llvmpipe and its kin), where SDL's own software renderer costs a
// fraction of the time; deciding before any renderer is made loads no OpenGL library for
// nothing.
bool GpuReachable() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::string_view(driver) == "dummy" ||
        std::string_view(driver) == "offscreen") {
        return false;
    }
    if (const char* software = std::getenv("LIBGL_ALWAYS_SOFTWARE");
        software != nullptr && *software != '\0' && std::string_view(software) != "0") {
        return false;
    }
#ifdef __linux__
    // A GPU is reached through a render node of the kernel's graphics drivers.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
        if (entry.path().filename().string().rfind("renderD", 0) == 0 &&
            access(entry.path().c_str(), R_OK | W_OK) == 0) {
            return true;
        }
    }
    return false;
#else
    return true;
#endif
}

RendererHandle MakeRenderer(SDL_Window* window) {
    // No vertical sync: frames are shown only when something changed, and waiting for the
    // display would only delay the next input.
    RendererHandle renderer;
    if (GpuReachable()) {
        renderer.reset(
            SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE));
    }
    if (!renderer) {
        // The window's pixels go straight to the display, not through an emulated GPU.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer.reset(
            SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE));
    }
    if (!renderer) {
        throw SdlError("Cannot draw in the game window");
    }
    return renderer;
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

MouseButton ButtonOf(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_RIGHT:
            return MouseButton::kRight;
        case SDL_BUTTON_MIDDLE:
            return MouseButton::kMiddle;
        default:
            return MouseButton::kLeft;
    }
}

std::vector<uint32_t> ReadTarget(SDL_Renderer* renderer, int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4);
    return pixels;
}

}  // namespace

GameWindow::GameWindow(const WindowOptions& options)
    : window_(MakeWindow(options)),
      renderer_(MakeRenderer(window_.get())),
      canvas_(MakeCanvas(renderer_.get())),
      font_(options.font_path, options.font_size),
      scene_(renderer_.get(), font_),
      scaling_(options.scaling) {
    SetScaling(scaling_);
}

GameWindow::~GameWindow() = default;

void GameWindow::Attach(Desktop& desktop) {
    desktop_ = &desktop;
    desktop_->SetScreenSize(kCanvasWidth, kCanvasHeight);
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

bool GameWindow::Refresh() {
    if (desktop_ == nullptr) {
        return false;
    }
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
    SDL_SetRenderTarget(renderer_.get(), nullptr);
    SDL_RenderSetClipRect(renderer_.get(), nullptr);
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    const Rect& d = layout.Destination();
    const SDL_Rect dest{d.left, d.top, d.width, d.height};
    SDL_RenderCopy(renderer_.get(), canvas_.get(), nullptr, &dest);
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
    switch (event.type) {
        case SDL_QUIT:
            if (desktop_ != nullptr) {
                if (OnCloseRequested) {
                    desktop_->Loop().Post(OnCloseRequested);
                } else {
                    desktop_->Loop().Quit();
                }
            }
            return;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_RESIZED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                case SDL_WINDOWEVENT_RESTORED:
                    must_show_ = true;
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
            PostWheel(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y
                                                                      : event.wheel.y);
            break;
        case SDL_KEYDOWN: {
            const SDL_Keycode key = event.key.keysym.sym;
            if ((key == SDLK_RETURN || key == SDLK_KP_ENTER) &&
                (event.key.keysym.mod & KMOD_ALT) != 0) {
                if (event.key.repeat == 0) {
                    SetFullScreen(!FullScreen());
                }
                swallow_enter_up_ = true;
                break;
            }
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
            if (swallow_enter_up_ && (key == SDLK_RETURN || key == SDLK_KP_ENTER)) {
                swallow_enter_up_ = false;
                break;
            }
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

void GameWindow::PostWheel(int steps) {
    if (steps == 0) {
        return;
    }
    // The wheel scrolls the list under the pointer by itself, as the system's lists do; the
    // game sees only the rows that come into view.
    Desktop* desktop = desktop_;
    desktop_->Loop().Post([desktop, steps] {
        Control* target = desktop->HitTest(desktop->PointerPosition()).target;
        if (target == nullptr || (target->Kind() != ControlKind::kListBox &&
                                  target->Kind() != ControlKind::kFileListBox)) {
            return;
        }
        auto& list = static_cast<ListBox&>(*target);
        const int last = std::max(list.ListCount() - list.VisibleRows(), 0);
        const int top = std::clamp(list.TopIndex() - 3 * steps, 0, last);
        if (top != list.TopIndex()) {
            list.SetTopIndex(top);
        }
    });
}

std::string GameWindow::RendererName() const {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer_.get(), &info) != 0 || info.name == nullptr) {
        return {};
    }
    return info.name;
}

bool GameWindow::FullScreen() const {
    return (SDL_GetWindowFlags(window_.get()) &
            (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP)) != 0;
}

void GameWindow::SetFullScreen(bool on) {
    SDL_SetWindowFullscreen(window_.get(), on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    must_show_ = true;
}

void GameWindow::SetScaling(Scaling scaling) {
    scaling_ = scaling;
    SDL_SetTextureScaleMode(
        canvas_.get(), scaling == Scaling::kSharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
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
