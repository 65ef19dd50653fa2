#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/control_geometry.h"
#include "platform/picture.h"

namespace morvane {

class Window;

enum class ControlKind {
    kWindow,
    kPictureBox,
    kImage,
    kLabel,
    kButton,
    kCheckBox,
    kTextBox,
    kListBox,
    kFileListBox,
    kTimer,
    kPanel,
    kAnimatedPicture,
    kMovie,
};

// One control of a window (and the window itself, which is the root of its controls). The
// model is retained: the renderer only reads it, input arrives through the desktop, and the
// game reads and writes properties and installs handlers.
//
// Controls are members of their window's class, so they are neither copied nor moved; each one
// registers with its parent when made and leaves it when destroyed.
class Control {
  public:
    Control(Control& parent, ControlKind kind, std::string name, int index = 0);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    // Position in its control array, from 1; 0 when the control is not part of an array.
    int Index() const { return index_; }
    // "Window.Name" or "Window.Name(Index)", the way the headless script names controls.
    std::string QualifiedName() const;

    Control* Parent() const { return parent_; }
    Window& OwnerWindow() const { return *window_; }
    // Children from the back to the front of the stacking order.
    const std::vector<Control*>& Children() const { return children_; }

    // Image and label are drawn on their container's surface, so any windowed sibling lies
    // above them whatever their stacking order; timers are never seen or hit.
    bool IsGraphical() const {
        return kind_ == ControlKind::kImage || kind_ == ControlKind::kLabel;
    }
    bool CanBeHit() const { return kind_ != ControlKind::kTimer; }

    // Geometry, in the parent's coordinates.
    const Rect& Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);
    void SetLeft(int left) { Move(left, bounds_.top); }
    void SetTop(int top) { Move(bounds_.left, top); }
    void SetWidth(int width) { Move(bounds_.left, bounds_.top, width, bounds_.height); }
    void SetHeight(int height) { Move(bounds_.left, bounds_.top, bounds_.width, height); }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible) {
        visible_ = visible;
        Changed();
    }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        enabled_ = enabled;
        Changed();
    }
    // Shown on screen: this control and every container up to its window are visible.
    bool Shown() const;

    // Stacking among siblings: to the front (the default) or to the back.
    enum class ZPosition { kFront, kBack };
    void ZOrder(ZPosition position = ZPosition::kFront);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) {
        caption_ = std::move(caption);
        Changed();
    }
    // What the control shows as text: its caption, a text box's text, a list's selected item.
    virtual std::string Text() const { return caption_; }

    const std::string& Tag() const { return tag_; }
    void SetTag(std::string tag) { tag_ = std::move(tag); }

    const PicturePtr& Picture() const { return picture_; }
    void SetPicture(PicturePtr picture) {
        picture_ = std::move(picture);
        Changed();
    }
    // The frame of Picture() on screen, from 0. An animated picture control returns the frame
    // its playback has reached, and calls Changed() whenever that moves on.
    virtual int ShownFrame() const { return 0; }

    // The control's own pointer (mode 99 uses MouseIcon); the screen pointer overrides it.
    int MousePointer() const { return mouse_pointer_; }
    void SetMousePointer(int mode) {
        mouse_pointer_ = mode;
        Changed();
    }
    const PicturePtr& MouseIcon() const { return mouse_icon_; }
    void SetMouseIcon(PicturePtr icon) {
        mouse_icon_ = std::move(icon);
        Changed();
    }

    // Event handlers, named after the events; a control array wires them to the window's
    // `Name_Event(index)` methods.
    std::function<void()> OnClick;
    std::function<void(const MouseArgs&)> OnMouseDown;
    std::function<void(const MouseArgs&)> OnMouseUp;
    std::function<void(const MouseArgs&)> OnMouseMove;
    std::function<void(int& key_code, int shift)> OnKeyDown;
    std::function<void(int& key_code, int shift)> OnKeyUp;
    std::function<void(int& key_ascii)> OnKeyPress;
    std::function<void()> OnChange;

    // Delivery of input, called by the desktop. Kinds with their own behaviour (a check box
    // toggles, a list selects the row clicked) override these and still raise the events.
    virtual void HandleMouseDown(const MouseArgs& args);
    virtual void HandleMouseUp(const MouseArgs& args);
    virtual void HandleClick(const MouseArgs& args);
    virtual void HandleMouseMove(const MouseArgs& args);
    virtual void HandleKeyDown(int& key_code, int shift);
    virtual void HandleKeyUp(int& key_code, int shift);
    virtual void HandleKeyPress(int& key_ascii);

    // Push buttons, check boxes and lists click only with the left button; pictures, labels
    // and windows click with any.
    virtual bool ClicksWith(MouseButton button) const;

    // The window was loaded: whatever runs with it (timers) starts from this moment.
    virtual void WindowLoaded() {}

  protected:
    // Something the window draws has changed: the desktop's revision moves on, so the window
    // knows it has to draw again. Every setter of a property that shows calls it.
    void Changed() const;

    // The root of a window: no parent, its own window.
    Control(ControlKind kind, std::string name);
    void BindWindow(Window& window) { window_ = &window; }

  private:
    void Detach(Control& child);

    ControlKind kind_;
    std::string name_;
    int index_ = 0;
    Control* parent_ = nullptr;
    Window* window_ = nullptr;
    std::vector<Control*> children_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string tag_;
    PicturePtr picture_;
    int mouse_pointer_ = 0;
    PicturePtr mouse_icon_;
};

}  // namespace morvane
