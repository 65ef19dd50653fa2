#include "platform/sdl/scene_renderer.h"

#include <algorithm>
#include <utility>

#include "platform/window.h"

namespace morvane::sdl {
namespace {

// The control that takes the keys: the focus of the modal window, else of the active one.
const Control* FocusedControl(const Desktop& desktop) {
    const Window* window =
        desktop.TopModal() != nullptr ? desktop.TopModal() : desktop.ActiveWindow();
    return window != nullptr ? window->Focus() : nullptr;
}

SDL_Rect ToSdl(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

}  // namespace

SceneRenderer::SceneRenderer(SDL_Renderer* renderer, const Font& font)
    : renderer_(renderer),
      pictures_(renderer),
      texts_(renderer, font),
      painter_(next_, font, texts_) {}

bool SceneRenderer::Draw(const Desktop& desktop) {
    const Rect screen{0, 0, desktop.ScreenWidth(), desktop.ScreenHeight()};
    next_.Clear();
    const Control* focused = FocusedControl(desktop);
    for (const Window* window : desktop.StackingOrder()) {
        if (desktop.OnScreen(*window) && !window->OwnSystemWindow()) {
            Record(*window, {0, 0}, screen, focused);
        }
    }
    return Finish(screen);
}

bool SceneRenderer::DrawWindow(const Desktop& desktop, const Window& window) {
    const Rect canvas{0, 0, window.Width(), window.Height()};
    next_.Clear();
    if (desktop.OnScreen(window)) {
        Record(window, {-window.Left(), -window.Top()}, canvas, FocusedControl(desktop));
    }
    return Finish(canvas);
}

bool SceneRenderer::Finish(const Rect& canvas) {
    const std::vector<Rect> damage =
        whole_ ? std::vector<Rect>{canvas} : Damage(shown_, next_, canvas);
    if (!damage.empty()) {
        on_screen_.clear();
        for (const DrawOp& op : next_.Ops()) {
            if (op.kind == DrawOp::Kind::kPicture && op.picture && op.picture->FrameCount() > 0) {
                on_screen_.emplace_back(op.picture.get(),
                                        std::clamp(op.frame, 0, op.picture->FrameCount() - 1));
            }
        }
        pictures_.BeginDraw(on_screen_);
    }
    last_area_ = 0;
    for (const Rect& area : damage) {
        Replay(next_, area);
        last_area_ += static_cast<long long>(area.width) * area.height;
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
    std::swap(shown_, next_);
    // The old frame's steps would keep its pictures alive.
    next_.Clear();
    whole_ = false;
    pictures_.Trim();
    texts_.Trim();
    return !damage.empty();
}

void SceneRenderer::Record(const Control& control, Point origin, const Rect& clip,
                           const Control* focused) {
    const Rect area{origin.x + control.Left(), origin.y + control.Top(), control.Width(),
                    control.Height()};
    const Rect visible = Intersect(clip, area);
    if (IsEmpty(visible)) {
        return;
    }
    next_.SetClip(visible);
    painter_.Paint(control, area, &control == focused);
    for (const bool graphical : {true, false}) {
        for (const Control* child : control.Children()) {
            if (child->Visible() && child->IsGraphical() == graphical &&
                child->Kind() != ControlKind::kTimer) {
                Record(*child, {area.left, area.top}, visible, focused);
            }
        }
    }
}

void SceneRenderer::Replay(const DisplayList& list, const Rect& area) {
    // What lies under every window is the black of an empty screen.
    const SDL_Rect whole = ToSdl(area);
    SDL_RenderSetClipRect(renderer_, &whole);
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderFillRect(renderer_, &whole);
    for (const DrawOp& op : list.Ops()) {
        const Rect clip = Intersect(op.clip, area);
        if (IsEmpty(clip) || IsEmpty(Intersect(op.Bounds(), clip))) {
            continue;
        }
        const SDL_Rect sdl_clip = ToSdl(clip);
        SDL_RenderSetClipRect(renderer_, &sdl_clip);
        const SDL_Rect place = ToSdl(op.place);
        switch (op.kind) {
            case DrawOp::Kind::kFill:
                SDL_SetRenderDrawColor(renderer_, op.colour.r, op.colour.g, op.colour.b,
                                       op.colour.a);
                SDL_RenderFillRect(renderer_, &place);
                break;
            case DrawOp::Kind::kLine:
                SDL_SetRenderDrawColor(renderer_, op.colour.r, op.colour.g, op.colour.b,
                                       op.colour.a);
                SDL_RenderDrawLine(renderer_, op.place.left, op.place.top, op.place.width,
                                   op.place.height);
                break;
            case DrawOp::Kind::kPicture:
                if (SDL_Texture* texture = pictures_.Get(op.picture, op.frame)) {
                    SDL_RenderCopy(renderer_, texture, nullptr, &place);
                }
                break;
            case DrawOp::Kind::kText:
                if (SDL_Texture* texture = texts_.Get(op.text, op.colour).texture) {
                    SDL_RenderCopy(renderer_, texture, nullptr, &place);
                }
                break;
        }
    }
}

}  // namespace morvane::sdl
