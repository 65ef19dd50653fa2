#pragma once

#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/sdl/font.h"

namespace morvane::sdl {

// The window's message box: a modal dialog of the desktop, drawn in the game canvas like the
// game's own windows (the system's message boxes cannot be relied on here). It is shown with
// ShowModal, so timers keep running while it is open; a click on a button answers it, Enter
// gives the button with the focus (the first, unless another was clicked), Escape the Cancel
// button, or OK on a box that only offers OK.
class CanvasMessageBox final : public MessageBoxService {
  public:
    // `font` lays the dialog out; it must be the font the window draws with.
    explicit CanvasMessageBox(const Font& font) : font_(font) {}

    // The desktop the boxes are shown on. Until then every box is answered with its default.
    void Attach(Desktop& desktop) { desktop_ = &desktop; }

    MsgBoxResult Show(const MessageBoxRequest& request) override;

  private:
    const Font& font_;
    Desktop* desktop_ = nullptr;
};

}  // namespace morvane::sdl
