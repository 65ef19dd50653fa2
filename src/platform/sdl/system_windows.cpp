#include "platform/sdl/system_windows.h"

#include <algorithm>
#include <string>

#include "base/text.h"
#include "platform/event_loop.h"
#include "platform/sdl/key_codes.h"
#include "platform/sdl/mouse_input.h"
#include "platform/sdl/scene_renderer.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_library.h"
#include "platform/sdl/system_window_place.h"
#include "platform/sdl/window_manager.h"
#include "platform/sdl/window_renderer.h"

namespace morvane::sdl {
namespace {

// The frame the window manager puts around a window, measured on the game window: the windows
// beside it get the same.
struct Frame {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

Frame FrameOf(SDL_Window* window) {
    Frame frame;
    if (SDL_GetWindowBordersSize(window, &frame.top, &frame.left, &frame.bottom, &frame.right) !=
        0) {
        return {};
    }
    return frame;
}

Rect OuterRect(SDL_Window* window, const Frame& frame) {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &width, &height);
    return {x - frame.left, y - frame.top, width + frame.left + frame.right,
            height + frame.top + frame.bottom};
}

Uint32 WindowIdOf(const SDL_Event& event) {
    switch (event.type) {
        case SDL_WINDOWEVENT:
            return event.window.windowID;
        case SDL_MOUSEMOTION:
            return event.motion.windowID;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return event.button.windowID;
        case SDL_MOUSEWHEEL:
            return event.wheel.windowID;
        default:
            return 0;
    }
}

}  // namespace

// One model window's system window. The members are released in reverse order: the drawing
// before the renderer it draws with, the renderer before its window.
struct SystemWindows::Shown {
    Window* model = nullptr;
    WindowHandle window;
    Uint32 id = 0;
    RendererHandle renderer;
    TextureHandle canvas;
    std::unique_ptr<SceneRenderer> scene;
    int width = 0;
    int height = 0;
    std::string title;
    bool visible = false;
    bool placed = false;
    bool must_draw = true;
    bool must_show = true;
    uint64_t drawn_revision = 0;
};

SystemWindows::SystemWindows(SDL_Window* game_window, const Font& font)
    : game_window_(game_window), font_(font) {}

SystemWindows::~SystemWindows() = default;

void SystemWindows::Attach(Desktop& desktop) {
    desktop_ = &desktop;
    shown_.clear();
}

SystemWindows::Shown* SystemWindows::Find(const Window& window) const {
    for (const auto& shown : shown_) {
        if (shown->model == &window) {
            return shown.get();
        }
    }
    return nullptr;
}

SystemWindows::Shown* SystemWindows::FindById(Uint32 id) const {
    if (id == 0) {
        return nullptr;
    }
    for (const auto& shown : shown_) {
        if (shown->id == id) {
            return shown.get();
        }
    }
    return nullptr;
}

SDL_Window* SystemWindows::NativeWindowOf(const Window& window) const {
    const Shown* shown = Find(window);
    return shown != nullptr && shown->visible ? shown->window.get() : nullptr;
}

bool SystemWindows::Refresh() {
    if (desktop_ == nullptr) {
        return false;
    }
    const auto& windows = desktop_->StackingOrder();
    // Windows that went away, or no longer want a system window, lose theirs.
    std::erase_if(shown_, [&windows](const std::unique_ptr<Shown>& shown) {
        return std::find(windows.begin(), windows.end(), shown->model) == windows.end() ||
               !shown->model->OwnSystemWindow();
    });
    for (Window* window : windows) {
        if (window->OwnSystemWindow() && Find(*window) == nullptr && desktop_->OnScreen(*window)) {
            Open(*window);
        }
    }
    bool presented = false;
    for (const auto& shown : shown_) {
        Follow(*shown);
        if (shown->visible && Draw(*shown)) {
            presented = true;
        }
    }
    return presented;
}

void SystemWindows::Open(Window& window) {
    auto shown = std::make_unique<Shown>();
    shown->model = &window;
    shown->width = std::max(window.Width(), 1);
    shown->height = std::max(window.Height(), 1);
    shown->title = Windows1252ToUtf8(window.Caption());
    // A tool window of the game's: no entry of its own in the task bar.
    shown->window.reset(SDL_CreateWindow(shown->title.c_str(), SDL_WINDOWPOS_UNDEFINED,
                                         SDL_WINDOWPOS_UNDEFINED, shown->width, shown->height,
                                         SDL_WINDOW_HIDDEN | SDL_WINDOW_UTILITY));
    if (!shown->window) {
        throw SdlError("Cannot open the window " + window.Name());
    }
    shown->id = SDL_GetWindowID(shown->window.get());
    // Owned by the game window, so the window manager keeps it above the game.
    SetWindowOwner(shown->window.get(), game_window_);
    shown->renderer = MakeWindowRenderer(shown->window.get(), "Cannot draw in a window");
    shown->scene = std::make_unique<SceneRenderer>(shown->renderer.get(), font_);
    shown_.push_back(std::move(shown));
}

void SystemWindows::Place(Shown& shown) {
    const Frame frame = FrameOf(game_window_);
    const Rect game = OuterRect(game_window_, frame);
    SDL_Rect bounds{};
    if (SDL_GetDisplayUsableBounds(std::max(SDL_GetWindowDisplayIndex(game_window_), 0), &bounds) !=
        0) {
        bounds = {game.left, game.top, game.width, game.height};
    }
    std::vector<Rect> taken;
    for (const auto& other : shown_) {
        if (other.get() != &shown && other->visible) {
            taken.push_back(OuterRect(other->window.get(), frame));
        }
    }
    const Rect place = PlaceBeside(game, {bounds.x, bounds.y, bounds.w, bounds.h}, taken,
                                   shown.width + frame.left + frame.right,
                                   shown.height + frame.top + frame.bottom, cascade_);
    if (place.left >= game.left && place.left < game.left + game.width) {
        ++cascade_;
    }
    SDL_SetWindowPosition(shown.window.get(), place.left + frame.left, place.top + frame.top);
    shown.placed = true;
}

void SystemWindows::Follow(Shown& shown) {
    Window& model = *shown.model;
    SDL_Window* window = shown.window.get();
    if (!desktop_->OnScreen(model)) {
        if (shown.visible) {
            SDL_HideWindow(window);
            shown.visible = false;
        }
        return;
    }
    const int width = std::max(model.Width(), 1);
    const int height = std::max(model.Height(), 1);
    if (width != shown.width || height != shown.height || !shown.canvas) {
        shown.width = width;
        shown.height = height;
        SDL_SetWindowSize(window, width, height);
        shown.canvas.reset(SDL_CreateTexture(shown.renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_TARGET, width, height));
        if (!shown.canvas) {
            throw SdlError("Cannot draw the window " + model.Name());
        }
        SDL_SetTextureBlendMode(shown.canvas.get(), SDL_BLENDMODE_NONE);
        shown.must_draw = true;
    }
    if (std::string title = Windows1252ToUtf8(model.Caption()); title != shown.title) {
        shown.title = std::move(title);
        SDL_SetWindowTitle(window, shown.title.c_str());
    }
    if (!shown.visible) {
        if (!shown.placed) {
            Place(shown);
        }
        SDL_ShowWindow(window);
        shown.visible = true;
        shown.must_show = true;
    }
}

bool SystemWindows::Draw(Shown& shown) {
    SDL_Renderer* renderer = shown.renderer.get();
    const uint64_t revision = desktop_->Revision();
    if (shown.must_draw || revision != shown.drawn_revision) {
        if (shown.must_draw) {
            shown.scene->Invalidate();
        }
        SDL_SetRenderTarget(renderer, shown.canvas.get());
        if (shown.scene->DrawWindow(*desktop_, *shown.model)) {
            shown.must_show = true;
        }
        SDL_SetRenderTarget(renderer, nullptr);
        shown.drawn_revision = revision;
        shown.must_draw = false;
    }
    if (!shown.must_show) {
        return false;
    }
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_RenderSetClipRect(renderer, nullptr);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, shown.canvas.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer);
    shown.must_show = false;
    return true;
}

bool SystemWindows::HandleEvent(const SDL_Event& event) {
    Shown* shown = FindById(WindowIdOf(event));
    if (shown == nullptr) {
        return false;
    }
    if (event.type == SDL_WINDOWEVENT) {
        switch (event.window.event) {
            case SDL_WINDOWEVENT_CLOSE:
                RequestClose(*shown);
                break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                if (desktop_ != nullptr) {
                    desktop_->PostActivate(shown->model);
                }
                break;
            case SDL_WINDOWEVENT_SHOWN:
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SIZE_CHANGED:
            case SDL_WINDOWEVENT_RESTORED:
                shown->must_show = true;
                break;
            default:
                break;
        }
        return true;
    }
    if (desktop_ != nullptr) {
        PostMouse(*shown, event);
    }
    return true;
}

void SystemWindows::PostMouse(Shown& shown, const SDL_Event& event) {
    Window* model = shown.model;
    // The point in the window, in the screen coordinates the desktop keeps for it.
    const auto at = [model](int x, int y) { return Point{model->Left() + x, model->Top() + y}; };
    const int shift = ShiftStateOf(static_cast<Uint16>(SDL_GetModState()));
    switch (event.type) {
        case SDL_MOUSEMOTION:
            desktop_->PostMouseMove(at(event.motion.x, event.motion.y), shift, model);
            break;
        case SDL_MOUSEBUTTONDOWN:
            desktop_->PostMouseDown(at(event.button.x, event.button.y),
                                    ButtonOf(event.button.button), shift, model);
            break;
        case SDL_MOUSEBUTTONUP:
            desktop_->PostMouseUp(at(event.button.x, event.button.y), ButtonOf(event.button.button),
                                  shift, model);
            break;
        case SDL_MOUSEWHEEL:
            PostWheel(*desktop_, WheelSteps(event.wheel));
            break;
        default:
            break;
    }
}

void SystemWindows::RequestClose(Shown& shown) {
    if (desktop_ == nullptr) {
        return;
    }
    Window* model = shown.model;
    Desktop* desktop = desktop_;
    desktop_->Loop().Post([model, desktop] {
        // While a modal window is open no other window can be closed.
        if (!desktop->OnScreen(*model) ||
            (desktop->TopModal() != nullptr && desktop->TopModal() != model)) {
            return;
        }
        if (model->OnSystemClose) {
            model->OnSystemClose();
        } else {
            model->Hide();
        }
    });
}

std::vector<uint32_t> SystemWindows::ReadWindow(const Window& window, int& width, int& height) {
    Shown* shown = Find(window);
    width = 0;
    height = 0;
    if (shown == nullptr || !shown->visible || !shown->canvas) {
        return {};
    }
    width = shown->width;
    height = shown->height;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    SDL_SetRenderTarget(shown->renderer.get(), shown->canvas.get());
    SDL_RenderReadPixels(shown->renderer.get(), nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                         width * 4);
    SDL_SetRenderTarget(shown->renderer.get(), nullptr);
    return pixels;
}

}  // namespace morvane::sdl
