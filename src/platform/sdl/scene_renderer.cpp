#include "platform/sdl/scene_renderer.h"

#include <algorithm>

#include "platform/window.h"

namespace morvane::sdl {
namespace {

Rect Intersect(const Rect& a, const Rect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

// The control that takes the keys: the focus of the modal window, else of the active one.
const Control* FocusedControl(const Desktop& desktop) {
    const Window* window =
        desktop.TopModal() != nullptr ? desktop.TopModal() : desktop.ActiveWindow();
    return window != nullptr ? window->Focus() : nullptr;
}

}  // namespace

SceneRenderer::SceneRenderer(SDL_Renderer* renderer, const Font& font)
    : renderer_(renderer),
      pictures_(renderer),
      texts_(renderer, font),
      painter_(renderer, font, pictures_, texts_) {}

void SceneRenderer::Draw(const Desktop& desktop) {
    SDL_RenderSetClipRect(renderer_, nullptr);
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const Rect screen{0, 0, desktop.ScreenWidth(), desktop.ScreenHeight()};
    const Control* focused = FocusedControl(desktop);
    for (const Window* window : desktop.StackingOrder()) {
        if (window->IsLoaded() && window->Visible()) {
            DrawTree(*window, {0, 0}, screen, focused);
        }
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
    pictures_.Trim();
    texts_.Trim();
}

void SceneRenderer::DrawTree(const Control& control, Point origin, const Rect& clip,
                             const Control* focused) {
    const Rect area{origin.x + control.Left(), origin.y + control.Top(), control.Width(),
                    control.Height()};
    const Rect visible = Intersect(clip, area);
    if (visible.width <= 0 || visible.height <= 0) {
        return;
    }
    const SDL_Rect sdl_clip{visible.left, visible.top, visible.width, visible.height};
    SDL_RenderSetClipRect(renderer_, &sdl_clip);
    painter_.Paint(control, area, &control == focused);
    for (const bool graphical : {true, false}) {
        for (const Control* child : control.Children()) {
            if (child->Visible() && child->IsGraphical() == graphical &&
                child->Kind() != ControlKind::kTimer) {
                DrawTree(*child, {area.left, area.top}, visible, focused);
            }
        }
    }
}

}  // namespace morvane::sdl
