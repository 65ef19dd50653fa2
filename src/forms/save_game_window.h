#pragma once

#include "platform/control_array.h"
#include "platform/control_display.h"
#include "platform/control_file_list_box.h"
#include "platform/control_text_box.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The save dialog: a file name, a description, the saved games so far, OK and Cancel.
class SaveGame : public Window {
  public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 336;

    explicit SaveGame(Desktop& desktop);

    TextBox Text1{*this, "Text1"};  // file name
    TextBox Text2{*this, "Text2"};  // description
    FileListBox File1{*this, "File1"};
    Label Label1{*this, "Label1"};  // "Please enter a filename!"
    Image ButtnOK{*this, "ButtnOK"};
    Image ButtnC{*this, "ButtnC"};
    // The button looks: 1 OK highlighted, 2 OK normal, 3 Cancel highlighted, 4 Cancel normal.
    ControlArray<Image> Image1{*this, "Image1", 4};
    TimerControl MsgTimer{*this, "MsgTimer"};  // hides the warning
};

}  // namespace morvane
