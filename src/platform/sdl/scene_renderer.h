#pragma once

#include <SDL.h>

#include <vector>

#include "platform/desktop.h"
#include "platform/sdl/control_painter.h"
#include "platform/sdl/display_list.h"
#include "platform/sdl/font.h"
#include "platform/sdl/picture_textures.h"
#include "platform/sdl/text_textures.h"

namespace morvane::sdl {

// Draws the desktop into the renderer's current target (the game canvas): every shown window
// from the bottom of the stacking order to the top, each control over its container and clipped
// by it, windowed controls above the graphical ones as the hit test sees them.
//
// A frame is first written down as drawing steps and compared with the last frame's; only the
// rectangles that differ are drawn again, so twenty animating objects cost twenty small areas.
class SceneRenderer {
  public:
    SceneRenderer(SDL_Renderer* renderer, const Font& font);

    // Brings the canvas up to date with the desktop. Returns whether any pixel was drawn.
    // Windows that have a system window of their own are not on it.
    bool Draw(const Desktop& desktop);
    // Brings a canvas of `window`'s size up to date with that window alone, its top left at the
    // canvas's: the picture of a window that has a system window of its own.
    bool DrawWindow(const Desktop& desktop, const Window& window);
    // The canvas lost its contents: the next Draw draws all of it.
    void Invalidate() { whole_ = true; }

    PictureTextures& Pictures() { return pictures_; }
    const TextTextures& Texts() const { return texts_; }
    // The canvas area drawn by the last Draw, in pixels.
    long long LastDrawnArea() const { return last_area_; }

  private:
    // Draws the recorded steps of the frame, only what changed since the last one.
    bool Finish(const Rect& canvas);
    void Record(const Control& control, Point origin, const Rect& clip, const Control* focused);
    void Replay(const DisplayList& list, const Rect& area);

    SDL_Renderer* renderer_;
    PictureTextures pictures_;
    TextTextures texts_;
    DisplayList shown_;
    DisplayList next_;
    ControlPainter painter_;
    std::vector<std::pair<const Picture*, int>> on_screen_;
    bool whole_ = true;
    long long last_area_ = 0;
};

}  // namespace morvane::sdl
