#pragma once

#include <vector>

#include "forms/forms.h"

namespace morvane::bench {

// The game's own main window made up as a scene: a scene picture in the scene view, `animated`
// animated pictures over it (the real control, with its frame timers), a line of
// conversation, the score and the inventory bar.
class DemoScene {
  public:
    DemoScene(Desktop& desktop, int animated);

    void Show() { forms.Main.Show(); }
    // Starts every object's animation.
    void StartAll();
    // Frames the objects have moved on since they were made.
    int FramesShown() const { return frames_shown_; }

    Forms forms;
    Main& main;
    std::vector<AnimatedPicture*> Animation;

  private:
    int frames_shown_ = 0;
};

// Pictures drawn in code for the demo.
PicturePtr MakeScenePicture(int width, int height);
PicturePtr MakeSpinnerPicture(int size, int frames, int delay_ms, uint32_t colour);
PicturePtr MakePointerPicture();

}  // namespace morvane::bench
