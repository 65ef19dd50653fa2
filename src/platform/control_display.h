#pragma once

#include "platform/control.h"
#include "platform/movie_control.h"

namespace morvane {

// The controls that only show something and pass on what happens to them.

// A windowed picture that may hold other controls (the scene view, a window's background).
class PictureBox : public Control {
  public:
    PictureBox(Control& parent, std::string name, int index = 0)
        : Control(parent, ControlKind::kPictureBox, std::move(name), index) {}
};

// A picture drawn on its container; `Stretch` scales it to the control's size.
class Image : public Control {
  public:
    Image(Control& parent, std::string name, int index = 0)
        : Control(parent, ControlKind::kImage, std::move(name), index) {}

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) {
        stretch_ = stretch;
        Changed();
    }

  private:
    bool stretch_ = false;
};

enum class TextAlignment { kLeft = 0, kRight = 1, kCentre = 2 };

// A caption drawn on its container.
class Label : public Control {
  public:
    Label(Control& parent, std::string name, int index = 0)
        : Control(parent, ControlKind::kLabel, std::move(name), index) {}

    TextAlignment Alignment() const { return alignment_; }
    void SetAlignment(TextAlignment alignment) {
        alignment_ = alignment;
        Changed();
    }

  private:
    TextAlignment alignment_ = TextAlignment::kLeft;
};

// A plain container that clips its children. While shown, a panel laid over other controls
// (the main window's `Block`) takes every click meant for what lies below it.
class Panel : public Control {
  public:
    Panel(Control& parent, std::string name, int index = 0)
        : Control(parent, ControlKind::kPanel, std::move(name), index) {}
};

}  // namespace morvane
