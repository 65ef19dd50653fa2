#pragma once

#include <memory>
#include <vector>

#include "platform/control_array.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_list_box.h"
#include "platform/control_text_box.h"
#include "platform/timer.h"
#include "platform/window.h"

namespace morvane::bench {

// Stands in for the animated picture control: it steps through its picture's frames at their
// delays on a timer and reports each new frame, exactly as the real control does to the window.
class PlayingObject : public Control {
  public:
    PlayingObject(Control& parent, std::string name, int index, EventLoop& loop);

    int ShownFrame() const override { return frame_; }
    void Start();
    void Stop() { timer_.SetEnabled(false); }
    int FramesShown() const { return frames_shown_; }

  private:
    Timer timer_;
    int frame_ = 0;
    int frames_shown_ = 0;
};

// A main window like the game's: a scene picture in the scene view, `animated` playing objects
// over it, a caption line, a button, a text box and a list.
class DemoScene : public Window {
  public:
    DemoScene(Desktop& desktop, int animated);

    PictureBox ScnImg{*this, "ScnImg"};
    std::vector<std::unique_ptr<PlayingObject>> Animation;
    Label ConvText{ScnImg, "ConvText", 1};
    Button MainMenuButtn{*this, "MainMenuButtn"};
    TextBox Text1{*this, "Text1"};
    ListBox List1{*this, "List1"};
    Label Status{*this, "Status"};
};

// Pictures drawn in code for the demo.
PicturePtr MakeScenePicture(int width, int height);
PicturePtr MakeSpinnerPicture(int size, int frames, int delay_ms, uint32_t colour);
PicturePtr MakePointerPicture();

}  // namespace morvane::bench
