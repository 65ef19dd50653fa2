#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/control_display.h"
#include "platform/sdl/display_list.h"
#include "platform/sdl/font.h"
#include "platform/sdl/text_textures.h"

namespace morvane::sdl {

// The look of each kind of control, as drawing steps for the canvas: pictures as they are,
// standard controls in the classic raised and sunken style, texts in the window's font. It
// reads the model and nothing else; the caller sets the clip of the control and its containers.
class ControlPainter {
  public:
    ControlPainter(DisplayList& list, const Font& font, TextTextures& texts);

    // Draws `control`'s own look over `area`, its rectangle on the canvas. `focused` is true
    // for the control that takes the keys now (a text box shows its caret then).
    void Paint(const Control& control, const Rect& area, bool focused);

  private:
    void PaintWindow(const Control& window, const Rect& area);
    // A panel with a caption groups controls under it.
    void PaintFrame(const Control& frame, const Rect& area);
    void PaintImage(const Control& image, const Rect& area);
    void PaintLabel(const Control& label, const Rect& area);
    void PaintButton(const Control& button, const Rect& area);
    void PaintCheckBox(const Control& check, const Rect& area);
    void PaintTextBox(const Control& box, const Rect& area, bool focused);
    void PaintList(const Control& list, const Rect& area);

    void Fill(const Rect& area, SDL_Color colour);
    // A two-colour edge: raised with light above and left, sunken the other way round.
    void Bevel(const Rect& area, SDL_Color top_left, SDL_Color bottom_right);
    // Draws frame `frame` of `picture` with its top left at `at`, or scaled into `at`.
    void DrawPicture(const PicturePtr& picture, int frame, const Rect& at, bool stretch);
    // UTF-8 lines from `area`'s top, each aligned within it.
    void DrawLines(const std::vector<std::string>& lines, const Rect& area, TextAlignment align,
                   SDL_Color colour);
    void DrawLine(const std::string& utf8, int x, int y, SDL_Color colour);

    DisplayList& list_;
    const Font& font_;
    TextTextures& texts_;
};

}  // namespace morvane::sdl
