#include "debug/reachability.h"

#include <vector>

#include "platform/control.h"
#include "platform/desktop.h"
#include "platform/window.h"

namespace morvane {
namespace {

// How a reason names the control itself, a container above it, or its window.
std::string Subject(const Control& control, const Control& c, const std::string& state) {
    if (&c == &control) {
        return state;
    }
    if (c.Parent() == nullptr) {
        return "window " + c.Name() + " " + state;
    }
    return c.QualifiedName() + " " + state;
}

}  // namespace

std::string WhyNotShown(const Control& control) {
    const Window& window = control.OwnerWindow();
    if (!window.IsLoaded()) {
        return "window " + window.Name() + " not loaded";
    }
    // The outermost hidden one is the reason: a control in a hidden window is never shown,
    // whatever its own flag says.
    std::vector<const Control*> chain;
    for (const Control* c = &control; c != nullptr; c = c->Parent()) {
        chain.push_back(c);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!(*it)->Visible()) {
            return Subject(control, **it, "hidden");
        }
    }
    return {};
}

std::string WhyNotReachable(const Desktop& desktop, const Control& control) {
    if (!control.CanBeHit()) {
        return "a timer takes no clicks";
    }
    if (std::string why = WhyNotShown(control); !why.empty()) {
        return why;
    }
    for (const Control* c = &control; c != nullptr; c = c->Parent()) {
        if (!c->Enabled()) {
            return Subject(control, *c, "disabled");
        }
    }
    const Window* modal = desktop.TopModal();
    if (modal != nullptr && modal != &control.OwnerWindow()) {
        return "window " + modal->Name() + " is modal";
    }
    const Rect bounds = desktop.ScreenBounds(control);
    if (bounds.width <= 0 || bounds.height <= 0) {
        return "it has no size";
    }
    const Control* hit = desktop.HitTest(bounds.Centre(), desktop.SurfaceOf(control)).target;
    if (hit == &control) {
        return {};
    }
    if (hit == nullptr) {
        return "its centre lies outside its window";
    }
    return "covered by " +
           (hit->Parent() == nullptr ? "window " + hit->Name() : hit->QualifiedName());
}

}  // namespace morvane
