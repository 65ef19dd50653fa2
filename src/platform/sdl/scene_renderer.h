#pragma once

#include <SDL.h>

#include "platform/desktop.h"
#include "platform/sdl/control_painter.h"
#include "platform/sdl/font.h"
#include "platform/sdl/picture_textures.h"
#include "platform/sdl/text_textures.h"

namespace morvane::sdl {

// Draws the desktop into the renderer's current target (the game canvas): every shown window
// from the bottom of the stacking order to the top, each control over its container and clipped
// by it, windowed controls above the graphical ones as the hit test sees them.
class SceneRenderer {
  public:
    SceneRenderer(SDL_Renderer* renderer, const Font& font);

    void Draw(const Desktop& desktop);

    PictureTextures& Pictures() { return pictures_; }
    const TextTextures& Texts() const { return texts_; }

  private:
    void DrawTree(const Control& control, Point origin, const Rect& clip, const Control* focused);

    SDL_Renderer* renderer_;
    PictureTextures pictures_;
    TextTextures texts_;
    ControlPainter painter_;
};

}  // namespace morvane::sdl
