#include "platform/window.h"

#include "platform/desktop.h"

namespace morvane {
namespace {

void NotifyLoaded(Control& control) {
    for (Control* child : control.Children()) {
        child->WindowLoaded();
        NotifyLoaded(*child);
    }
}

}  // namespace

Window::Window(Desktop& desktop, std::string name)
    : Control(ControlKind::kWindow, std::move(name)), desktop_(desktop) {
    BindWindow(*this);
    Control::SetVisible(false);
    desktop_.Add(*this);
}

Window::~Window() {
    desktop_.Remove(*this);
}

void Window::Forget(Control& control) {
    if (focus_ == &control) {
        focus_ = nullptr;
    }
    desktop_.Forget(control);
}

void Window::Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    NotifyLoaded(*this);
    if (OnLoad) {
        OnLoad();
    }
}

void Window::Unload() {
    if (!loaded_) {
        return;
    }
    if (OnUnload) {
        OnUnload();
    }
    Hide();
    loaded_ = false;
}

void Window::Show() {
    Load();
    Control::SetVisible(true);
    desktop_.BringToFront(*this);
    desktop_.Activate(*this);
}

void Window::ShowModal() {
    desktop_.RunModal(*this);
}

void Window::ShowOwned(Window& owner) {
    Show();
    desktop_.SetOwner(*this, owner);
}

void Window::SetMinimized(bool minimized) {
    if (minimized_ == minimized) {
        return;
    }
    minimized_ = minimized;
    desktop_.WindowStateChanged(*this);
    if (OnResize) {
        OnResize();
    }
}

void Window::SetOwnSystemWindow(bool on) {
    own_system_window_ = on;
    Changed();
}

void Window::Hide() {
    if (!Visible()) {
        return;
    }
    Control::SetVisible(false);
    desktop_.WindowHidden(*this);
}

void Window::SetVisible(bool visible) {
    if (visible) {
        Show();
    } else {
        Hide();
    }
}

}  // namespace morvane
