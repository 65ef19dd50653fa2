#pragma once

#include "platform/control_array.h"
#include "platform/control_display.h"
#include "platform/control_file_list_box.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The load dialog: the saved games, the description, date and time of the one selected with a
// picture of its scene, OK and Cancel.
class LoadGame : public Window {
  public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 336;
    // Where the picture of the selected game's scene goes.
    static constexpr int kPreviewWidth = 160;
    static constexpr int kPreviewHeight = 109;

    explicit LoadGame(Desktop& desktop);

    FileListBox File1{*this, "File1"};
    Label Label1{*this, "Label1"};  // description
    Label Label2{*this, "Label2"};  // date
    Label Label3{*this, "Label3"};  // time
    Label Label4{*this, "Label4"};  // "Please choose a file!"
    Image ButtnOK{*this, "ButtnOK"};
    Image ButtnC{*this, "ButtnC"};
    // The button looks: 1 OK highlighted, 2 OK normal, 3 Cancel highlighted, 4 Cancel normal.
    ControlArray<Image> Image1{*this, "Image1", 4};
    TimerControl MsgTimer{*this, "MsgTimer"};  // hides the warning
    // The picture of the selected game's scene, when one was kept with it.
    Image Preview{*this, "Preview"};
};

}  // namespace morvane
