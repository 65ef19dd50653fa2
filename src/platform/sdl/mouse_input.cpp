#include "platform/sdl/mouse_input.h"

#include <algorithm>

#include "platform/control_list_box.h"

namespace morvane::sdl {

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

int WheelSteps(const SDL_MouseWheelEvent& wheel) {
    return wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
}

void PostWheel(Desktop& desktop, int steps) {
    if (steps == 0) {
        return;
    }
    desktop.Loop().Post([&desktop, steps] {
        Control* target =
            desktop.HitTest(desktop.PointerPosition(), desktop.PointerSurface()).target;
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

}  // namespace morvane::sdl
