#pragma once

#include <functional>
#include <string>

#include "platform/control.h"

namespace morvane {

class Desktop;

// A window (form). It is the root of its controls, receives the form events (click, mouse
// move, keys) through the same handlers as a control, and is loaded, shown, shown modally,
// hidden and unloaded. A window starts unloaded and hidden; showing loads it.
class Window : public Control {
  public:
    Window(Desktop& desktop, std::string name);
    ~Window() override;

    Desktop& GetDesktop() const { return desktop_; }

    bool IsLoaded() const { return loaded_; }
    // Runs OnLoad the first time; its timers start ticking.
    void Load();
    // Hides the window and runs OnUnload; its timers stop until it is loaded again.
    void Unload();

    // Loads if needed, shows the window above the others of its band and activates it.
    void Show();
    // Shows the window as a modal window: input reaches no other window, and this call runs the
    // loop that waits for the user until the window is hidden or unloaded. Returns at once if
    // the window is already modal.
    void ShowModal();
    // Shows the window as a non-modal window owned by `owner`: it stays above its owner while
    // both are shown and goes when the owner is minimised.
    void ShowOwned(Window& owner);
    void Hide();
    void SetVisible(bool visible) override;

    // True while the modal loop of ShowModal runs.
    bool IsModal() const { return modal_; }
    // Set through Desktop::SetTopmost.
    bool Topmost() const { return topmost_; }
    // The window that was active when this one was shown modally: a modal window stays above
    // its owner, also when the owner is topmost.
    Window* Owner() const { return owner_; }

    // A minimised window keeps its Visible property but is neither drawn nor reached by input;
    // changing the state raises OnResize, as the platform does.
    bool Minimized() const { return minimized_; }
    void SetMinimized(bool minimized);
    // Loaded, visible and not minimised: on the screen.
    bool Shown() const { return IsLoaded() && Visible() && !minimized_; }

    // Shown in a system window of its own beside the game's screen instead of on it (a window
    // of the player's debugging aids, in a window). The screen's hit test passes over it; its
    // input arrives from its own system window (see Desktop's `surface`). Headless nothing
    // sets it.
    bool OwnSystemWindow() const { return own_system_window_; }
    void SetOwnSystemWindow(bool on);

    // The control that receives keys after the window's own key handlers.
    Control* Focus() const { return focus_; }
    void SetFocus(Control* control) {
        focus_ = control;
        Changed();
    }

    std::function<void()> OnLoad;
    std::function<void()> OnUnload;
    std::function<void()> OnActivate;
    std::function<void()> OnResize;
    // The user closed the window's own system window; without a handler the window hides.
    std::function<void()> OnSystemClose;

  private:
    friend class Control;
    friend class Desktop;

    // A control of this window is going away: nothing may keep pointing at it.
    void Forget(Control& control);

    Desktop& desktop_;
    bool loaded_ = false;
    bool modal_ = false;
    bool topmost_ = false;
    bool minimized_ = false;
    bool own_system_window_ = false;
    Window* owner_ = nullptr;
    Control* focus_ = nullptr;
};

}  // namespace morvane
