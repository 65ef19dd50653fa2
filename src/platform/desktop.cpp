#include "platform/desktop.h"

#include <algorithm>
#include <stdexcept>

#include "platform/control.h"
#include "platform/window.h"

namespace morvane {
namespace {

Point Offset(Point p, const Rect& origin) {
    return {p.x - origin.left, p.y - origin.top};
}

// The frontmost shown control under `p` (in the container's coordinates) inside `container`.
// Windowed children lie above graphical ones; a point outside a child never reaches its
// children, which is how containers clip.
Desktop::Hit HitIn(Control& container, Point p) {
    const auto& children = container.Children();
    for (const bool graphical : {false, true}) {
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            Control& child = **it;
            if (!child.CanBeHit() || !child.Visible() || child.IsGraphical() != graphical ||
                !child.Bounds().Contains(p)) {
                continue;
            }
            if (!child.Enabled()) {
                return {&container, p};
            }
            return HitIn(child, Offset(p, child.Bounds()));
        }
    }
    return {&container, p};
}

bool TakesFocus(const Control& control) {
    switch (control.Kind()) {
        case ControlKind::kTextBox:
        case ControlKind::kListBox:
        case ControlKind::kFileListBox:
        case ControlKind::kButton:
        case ControlKind::kCheckBox:
            return true;
        default:
            return false;
    }
}

MouseArgs ArgsAt(Point local, int button, int shift) {
    return {button, shift, local.x, local.y};
}

}  // namespace

Desktop::Desktop(EventLoop& loop, MessageBoxService& message_box, Clipboard& clipboard)
    : loop_(loop), message_box_(message_box), clipboard_(clipboard) {}

MsgBoxResult Desktop::ShowMessageBox(const MessageBoxRequest& request) {
    return message_box_.Show(request);
}

PictureService& Desktop::Pictures() const {
    if (pictures_ == nullptr) {
        throw std::logic_error("the desktop has no picture service");
    }
    return *pictures_;
}

void Desktop::SetScreenSize(int width, int height) {
    screen_width_ = width;
    screen_height_ = height;
}

Window* Desktop::FindWindow(std::string_view name) const {
    for (Window* window : stacking_) {
        if (window->Name() == name) {
            return window;
        }
    }
    return nullptr;
}

void Desktop::Add(Window& window) {
    stacking_.insert(stacking_.begin(), &window);
    NoteChange();
}

void Desktop::Remove(Window& window) {
    std::erase(stacking_, &window);
    std::erase(modal_, &window);
    if (active_ == &window) {
        active_ = nullptr;
    }
    for (Window* other : stacking_) {
        if (other->owner_ == &window) {
            other->owner_ = nullptr;
        }
    }
    if (captured_ != nullptr && &captured_->OwnerWindow() == &window) {
        captured_ = nullptr;
    }
    if (pointer_surface_ == &window) {
        pointer_surface_ = nullptr;
    }
    NoteChange();
}

void Desktop::Forget(const Control& control) {
    if (captured_ == &control) {
        captured_ = nullptr;
    }
    NoteChange();
}

bool Desktop::InTopBand(const Window& window) const {
    // Owner chains are short; the bound only guards against a chain that loops.
    const Window* w = &window;
    for (std::size_t steps = 0; w != nullptr && steps <= stacking_.size(); ++steps) {
        if (w->topmost_) {
            return true;
        }
        w = w->owner_;
    }
    return false;
}

int Desktop::Band(const Window& window) const {
    // A window whose modal loop runs lies above every other, topmost ones included: input can
    // reach nothing else, so nothing may cover it.
    if (window.modal_) {
        return 2;
    }
    return InTopBand(window) ? 1 : 0;
}

void Desktop::BringToFront(Window& window) {
    std::erase(stacking_, &window);
    const int band = Band(window);
    const auto above = std::find_if(stacking_.begin(), stacking_.end(),
                                    [this, band](const Window* w) { return Band(*w) > band; });
    stacking_.insert(above, &window);
    RaiseOwned(window);
    NoteChange();
}

void Desktop::RaiseOwned(Window& owner) {
    // Owned windows of the owner's band follow it; topmost ones are above it anyway.
    std::vector<Window*> owned;
    for (Window* w : stacking_) {
        if (w != &owner && w->owner_ == &owner && !w->modal_ && Band(*w) == Band(owner)) {
            owned.push_back(w);
        }
    }
    for (Window* w : owned) {
        std::erase(stacking_, w);
    }
    const auto place = std::find(stacking_.begin(), stacking_.end(), &owner);
    if (place != stacking_.end()) {
        stacking_.insert(place + 1, owned.begin(), owned.end());
    }
}

void Desktop::SetOwner(Window& window, Window& owner) {
    if (&window == &owner) {
        return;
    }
    window.owner_ = &owner;
    BringToFront(window);
}

bool Desktop::OnScreen(const Window& window) const {
    return window.Shown() && (window.owner_ == nullptr || !window.owner_->Minimized());
}

void Desktop::WindowStateChanged(Window& window) {
    if (captured_ != nullptr && &captured_->OwnerWindow() == &window) {
        captured_ = nullptr;
    }
    NoteChange();
}

void Desktop::SetTopmost(Window& window, bool on) {
    window.topmost_ = on;
    BringToFront(window);
}

void Desktop::Activate(Window& window) {
    if (active_ == &window) {
        return;
    }
    active_ = &window;
    NoteChange();
    if (window.OnActivate) {
        window.OnActivate();
    }
}

void Desktop::WindowHidden(Window& window) {
    window.owner_ = nullptr;
    if (captured_ != nullptr && &captured_->OwnerWindow() == &window) {
        captured_ = nullptr;
    }
    if (active_ != &window) {
        return;
    }
    active_ = nullptr;
    NoteChange();
    Window* next = nullptr;
    if (TopModal() != nullptr && TopModal()->Visible()) {
        next = TopModal();
    } else {
        for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
            if ((*it)->Visible()) {
                next = *it;
                break;
            }
        }
    }
    if (next != nullptr) {
        Activate(*next);
    }
}

void Desktop::RunModal(Window& window) {
    if (window.modal_) {
        return;
    }
    window.Load();
    window.owner_ = active_ != &window ? active_ : nullptr;
    window.modal_ = true;
    modal_.push_back(&window);
    struct ModalGuard {
        Desktop& desktop;
        Window& window;
        ~ModalGuard() {
            std::erase(desktop.modal_, &window);
            window.modal_ = false;
        }
    } guard{*this, window};
    window.Show();
    loop_.RunMainLoop([&window] { return !window.Visible() || !window.IsLoaded(); });
}

Desktop::Hit Desktop::HitTest(Point screen, const Window* surface) const {
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
        Window& window = **it;
        // A window with a system window of its own is reached only from there, and nothing else
        // is reached from there.
        const bool on_surface = surface != nullptr ? &window == surface : !window.OwnSystemWindow();
        if (!on_surface || !OnScreen(window) || !window.Bounds().Contains(screen)) {
            continue;
        }
        // The topmost window under the point takes the event; if input may not reach it, the
        // event is lost rather than passed to a window below.
        if ((TopModal() != nullptr && TopModal() != &window) || !window.Enabled()) {
            return {};
        }
        return HitIn(window, Offset(screen, window.Bounds()));
    }
    return {};
}

Window* Desktop::SurfaceOf(const Control& control) const {
    Window& window = control.OwnerWindow();
    return window.OwnSystemWindow() ? &window : nullptr;
}

Rect Desktop::ScreenBounds(const Control& control) const {
    Rect bounds = control.Bounds();
    for (const Control* c = control.Parent(); c != nullptr; c = c->Parent()) {
        bounds.left += c->Left();
        bounds.top += c->Top();
    }
    return bounds;
}

bool Desktop::Reachable(const Control& control) const {
    if (!control.CanBeHit() || !control.OwnerWindow().IsLoaded()) {
        return false;
    }
    const Rect bounds = ScreenBounds(control);
    if (bounds.width <= 0 || bounds.height <= 0) {
        return false;
    }
    return HitTest(bounds.Centre(), SurfaceOf(control)).target == &control;
}

Desktop::ShownPointer Desktop::PointerToShow() const {
    if (pointer_.Mode() != ScreenPointer::kDefault) {
        return {pointer_.Mode(), pointer_.Picture()};
    }
    for (const Control* c = HitTest(pointer_position_, pointer_surface_).target; c != nullptr;
         c = c->Parent()) {
        if (c->MousePointer() != ScreenPointer::kDefault) {
            return {c->MousePointer(), c->MouseIcon()};
        }
    }
    return {};
}

void Desktop::PostMouseMove(Point screen, int shift, Window* surface) {
    loop_.Post([this, screen, shift, surface] { DeliverMouseMove(screen, shift, surface); });
}

void Desktop::PostMouseDown(Point screen, MouseButton button, int shift, Window* surface) {
    loop_.Post([this, screen, button, shift, surface] {
        DeliverMouseDown(screen, button, shift, surface);
    });
}

void Desktop::PostMouseUp(Point screen, MouseButton button, int shift, Window* surface) {
    loop_.Post(
        [this, screen, button, shift, surface] { DeliverMouseUp(screen, button, shift, surface); });
}

void Desktop::PostClick(Point screen, MouseButton button, Window* surface) {
    PostMouseDown(screen, button, 0, surface);
    PostMouseUp(screen, button, 0, surface);
}

void Desktop::PostActivate(Window* window) {
    loop_.Post([this, window] { DeliverActivate(window); });
}

void Desktop::PostKeyDown(int key_code, int shift) {
    loop_.Post([this, key_code, shift] { DeliverKeyDown(key_code, shift); });
}

void Desktop::PostKeyUp(int key_code, int shift) {
    loop_.Post([this, key_code, shift] { DeliverKeyUp(key_code, shift); });
}

void Desktop::PostKeyPress(int key_ascii) {
    loop_.Post([this, key_ascii] { DeliverKeyPress(key_ascii); });
}

void Desktop::PostKey(int key_code, int key_ascii) {
    PostKeyDown(key_code);
    if (key_ascii != 0) {
        PostKeyPress(key_ascii);
    }
    PostKeyUp(key_code);
}

void Desktop::PostText(Control& target, const std::string& text) {
    loop_.Post([&target] { target.OwnerWindow().SetFocus(&target); });
    for (const char c : text) {
        PostKeyPress(static_cast<unsigned char>(c));
    }
}

void Desktop::DeliverMouseMove(Point screen, int shift, Window* surface) {
    pointer_position_ = screen;
    pointer_surface_ = surface;
    if (captured_ != nullptr) {
        const Point local = Offset(screen, ScreenBounds(*captured_));
        captured_->HandleMouseMove(ArgsAt(local, static_cast<int>(captured_button_), shift));
        return;
    }
    const Hit hit = HitTest(screen, surface);
    if (hit.target != nullptr) {
        hit.target->HandleMouseMove(ArgsAt(hit.local, 0, shift));
    }
}

void Desktop::DeliverMouseDown(Point screen, MouseButton button, int shift, Window* surface) {
    pointer_position_ = screen;
    pointer_surface_ = surface;
    const Hit hit = HitTest(screen, surface);
    captured_ = hit.target;
    if (hit.target == nullptr) {
        return;
    }
    captured_button_ = button;
    Window& window = hit.target->OwnerWindow();
    BringToFront(window);
    Activate(window);
    if (TakesFocus(*hit.target)) {
        window.SetFocus(hit.target);
    }
    hit.target->HandleMouseDown(ArgsAt(hit.local, static_cast<int>(button), shift));
}

void Desktop::DeliverMouseUp(Point screen, MouseButton button, int shift, Window* surface) {
    pointer_position_ = screen;
    pointer_surface_ = surface;
    if (captured_ == nullptr || captured_button_ != button) {
        const Hit hit = HitTest(screen, surface);
        if (hit.target != nullptr) {
            hit.target->HandleMouseUp(ArgsAt(hit.local, static_cast<int>(button), shift));
        }
        return;
    }
    Control& target = *captured_;
    captured_ = nullptr;
    const MouseArgs args =
        ArgsAt(Offset(screen, ScreenBounds(target)), static_cast<int>(button), shift);
    target.HandleMouseUp(args);
    // The click belongs to the release over the same control; a modal window opened or a
    // panel shown meanwhile takes it away, as it would on screen.
    if (target.ClicksWith(button) && HitTest(screen, surface).target == &target) {
        target.HandleClick(args);
    }
}

void Desktop::DeliverActivate(Window* window) {
    if (TopModal() != nullptr) {
        return;
    }
    if (window == nullptr) {
        if (active_ != nullptr && !active_->OwnSystemWindow() && OnScreen(*active_)) {
            return;
        }
        // The game's screen: its frontmost window.
        for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
            if (!(*it)->OwnSystemWindow() && OnScreen(**it)) {
                window = *it;
                break;
            }
        }
    }
    if (window != nullptr && OnScreen(*window) && window->Enabled()) {
        Activate(*window);
    }
}

Window* Desktop::KeyTarget() const {
    Window* window = TopModal() != nullptr ? TopModal() : active_;
    if (window == nullptr || !window->IsLoaded() || !window->Visible() || !window->Enabled()) {
        return nullptr;
    }
    return window;
}

namespace {

// The focused control of `window` that may take the key after the window's handlers.
Control* FocusedControl(Window& window) {
    Control* focus = window.Focus();
    if (focus == nullptr || focus == &window || &focus->OwnerWindow() != &window ||
        !focus->Shown() || !focus->Enabled()) {
        return nullptr;
    }
    return focus;
}

}  // namespace

void Desktop::DeliverKeyDown(int key_code, int shift) {
    Window* window = KeyTarget();
    if (window == nullptr) {
        return;
    }
    window->HandleKeyDown(key_code, shift);
    if (Control* focus = FocusedControl(*window); focus != nullptr && key_code != 0) {
        focus->HandleKeyDown(key_code, shift);
    }
}

void Desktop::DeliverKeyUp(int key_code, int shift) {
    Window* window = KeyTarget();
    if (window == nullptr) {
        return;
    }
    window->HandleKeyUp(key_code, shift);
    if (Control* focus = FocusedControl(*window); focus != nullptr && key_code != 0) {
        focus->HandleKeyUp(key_code, shift);
    }
}

void Desktop::DeliverKeyPress(int key_ascii) {
    Window* window = KeyTarget();
    if (window == nullptr) {
        return;
    }
    window->HandleKeyPress(key_ascii);
    if (Control* focus = FocusedControl(*window); focus != nullptr && key_ascii != 0) {
        focus->HandleKeyPress(key_ascii);
    }
}

}  // namespace morvane
