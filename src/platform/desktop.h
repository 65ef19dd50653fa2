#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"
#include "platform/control_geometry.h"
#include "platform/event_loop.h"
#include "platform/message_box.h"
#include "platform/screen_pointer.h"

namespace morvane {

class Control;
class PictureService;
class MovieEngine;
class Window;

// The screen as the player sees it: the windows in stacking order, the active and modal
// windows, the screen pointer and the platform services. All input, from the window or from a
// script, enters here as posted events and reaches controls through one hit test, so a
// scripted click reaches exactly what a real click at that point would.
class Desktop {
  public:
    Desktop(EventLoop& loop, MessageBoxService& message_box, Clipboard& clipboard);
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    EventLoop& Loop() { return loop_; }
    ScreenPointer& Pointer() { return pointer_; }
    const ScreenPointer& Pointer() const { return pointer_; }
    Clipboard& GetClipboard() { return clipboard_; }
    MsgBoxResult ShowMessageBox(const MessageBoxRequest& request);
    MessageBoxService& MessageBoxes() { return message_box_; }

    // Moves on whenever something the windows draw changes (a property that shows, the stacking
    // order, the active window), so the window draws again only when this has moved.
    uint64_t Revision() const { return revision_; }
    void NoteChange() { ++revision_; }

    // The picture service of the player's context, which owns it; the desktop only lends it to
    // the controls. Pictures() without one set is a programming error (std::logic_error).
    void SetPictures(PictureService* pictures) { pictures_ = pictures; }
    bool HasPictures() const { return pictures_ != nullptr; }
    PictureService& Pictures() const;

    int ScreenWidth() const { return screen_width_; }
    int ScreenHeight() const { return screen_height_; }
    void SetScreenSize(int width, int height);

    // What the movie controls open their files with; none until the player gives one.
    MovieEngine* GetMovieEngine() const { return movie_engine_; }
    void SetMovieEngine(MovieEngine* engine) { movie_engine_ = engine; }

    // --- Windows ---------------------------------------------------------------------------
    Window* FindWindow(std::string_view name) const;
    // From the bottom to the top of the stacking order; hidden windows keep their places.
    const std::vector<Window*>& StackingOrder() const { return stacking_; }
    Window* ActiveWindow() const { return active_; }
    // Shown, and not owned by a minimised window: drawn and reachable by input.
    bool OnScreen(const Window& window) const;
    // The innermost modal window whose loop runs, if any; input reaches only this window.
    Window* TopModal() const { return modal_.empty() ? nullptr : modal_.back(); }
    // Keeps a window above all others that are not topmost, without showing it.
    void SetTopmost(Window& window, bool on);

    // --- Hit testing -----------------------------------------------------------------------
    struct Hit {
        Control* target = nullptr;  // the control (or window) that gets the event
        Point local;                // the point in the target's coordinates
    };
    // What a mouse event at a screen point reaches: the topmost shown window under it, if input
    // may reach that window, then the frontmost shown control under the point, descending into
    // containers. A disabled control passes the event to its container.
    //
    // `surface` is the system window the point lies in: none for the game's screen, whose hit
    // test passes over the windows that have a system window of their own, or such a window,
    // where only that window can be hit. Points keep the screen's coordinates either way: a
    // point in a window's own system window is the window's position plus the point in it.
    Hit HitTest(Point screen, const Window* surface = nullptr) const;
    // The system window `control` is drawn in: its window when that has one of its own, else
    // none (the game's screen).
    Window* SurfaceOf(const Control& control) const;
    // The control's rectangle on the screen, ignoring clipping by its containers.
    Rect ScreenBounds(const Control& control) const;
    // Whether a click at the control's centre reaches the control itself: it and its window are
    // shown and enabled, no modal window or covering panel is in the way.
    bool Reachable(const Control& control) const;

    // --- Input, delivered on the next pump as the platform delivers it -------------------------
    // Mouse input comes from the system window `surface` (see HitTest).
    void PostMouseMove(Point screen, int shift = 0, Window* surface = nullptr);
    void PostMouseDown(Point screen, MouseButton button, int shift = 0, Window* surface = nullptr);
    // Mouse up goes to the control that got the mouse down; a click follows when the pointer is
    // still over it.
    void PostMouseUp(Point screen, MouseButton button, int shift = 0, Window* surface = nullptr);
    // Down, up and click at one point.
    void PostClick(Point screen, MouseButton button = MouseButton::kLeft,
                   Window* surface = nullptr);
    // Keys go to the modal window, else to the active window: first the window's handlers, then
    // its focused control unless a handler set the key to 0.
    void PostKeyDown(int key_code, int shift = 0);
    void PostKeyUp(int key_code, int shift = 0);
    void PostKeyPress(int key_ascii);
    // Key down, key press (when the key types a character, `key_ascii` not 0) and key up.
    void PostKey(int key_code, int key_ascii);
    // Gives `target` the focus and types `text` into it, one key press per character.
    void PostText(Control& target, const std::string& text);

    // The user brought a system window to the front: `window`'s own, or the game's screen
    // (none), whose frontmost window becomes the active one. Keys go to the active window, so
    // they follow the system window that has the keyboard. A modal window keeps the keys.
    void PostActivate(Window* window);

    // The last point the pointer moved to, on the screen, and the system window it is in.
    Point PointerPosition() const { return pointer_position_; }
    Window* PointerSurface() const { return pointer_surface_; }

    // What the window draws as the pointer: the screen pointer while its mode is set, else the
    // pointer of the control under the pointer or of its nearest container that has one.
    struct ShownPointer {
        int mode = ScreenPointer::kDefault;
        PicturePtr picture;  // for mode ScreenPointer::kCustom
    };
    ShownPointer PointerToShow() const;

  private:
    friend class Window;

    void Add(Window& window);
    void Remove(Window& window);
    void BringToFront(Window& window);
    void Activate(Window& window);
    void WindowHidden(Window& window);
    void WindowStateChanged(Window& window);
    void SetOwner(Window& window, Window& owner);
    // Puts the shown windows `owner` owns back above it.
    void RaiseOwned(Window& owner);
    void RunModal(Window& window);
    void Forget(const Control& control);
    bool InTopBand(const Window& window) const;
    // 0 for ordinary windows, 1 for topmost ones and those they own, 2 for running modal ones.
    int Band(const Window& window) const;
    Window* KeyTarget() const;

    void DeliverMouseMove(Point screen, int shift, Window* surface);
    void DeliverMouseDown(Point screen, MouseButton button, int shift, Window* surface);
    void DeliverMouseUp(Point screen, MouseButton button, int shift, Window* surface);
    void DeliverActivate(Window* window);
    void DeliverKeyDown(int key_code, int shift);
    void DeliverKeyUp(int key_code, int shift);
    void DeliverKeyPress(int key_ascii);

    EventLoop& loop_;
    MessageBoxService& message_box_;
    Clipboard& clipboard_;
    PictureService* pictures_ = nullptr;
    MovieEngine* movie_engine_ = nullptr;
    ScreenPointer pointer_;
    int screen_width_ = 800;
    int screen_height_ = 600;
    std::vector<Window*> stacking_;
    std::vector<Window*> modal_;
    Window* active_ = nullptr;
    // The control that got the mouse down receives the moves and the release.
    Control* captured_ = nullptr;
    MouseButton captured_button_ = MouseButton::kLeft;
    Point pointer_position_;
    Window* pointer_surface_ = nullptr;
    uint64_t revision_ = 0;
};

}  // namespace morvane
