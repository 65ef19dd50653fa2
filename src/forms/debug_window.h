#pragma once

#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_text_box.h"
#include "platform/window.h"

namespace morvane {

// The debug window: the log switch and window commands, and small forms that query and set a
// flag, load a scene and give or clear inventory items. Each group sits in a captioned frame;
// the frames and the captions beside the text boxes are named by this window alone.
class MvDebug : public Window {
  public:
    explicit MvDebug(Desktop& desktop);

    Panel Frame1{*this, "Frame1"};  // "Debugging Options"
    CheckBox Check1{Frame1, "Check1"};
    Button Command7{Frame1, "Command7"};
    Button Command5{Frame1, "Command5"};
    Button Command3{Frame1, "Command3"};

    Panel Frame2{*this, "Frame2"};  // "Query Flag"
    TextBox QueryFlag{Frame2, "QueryFlag"};
    Button Command2{Frame2, "Command2"};
    Label QFlagResult{Frame2, "QFlagResult"};

    Panel Frame3{*this, "Frame3"};  // "Set Flag"
    TextBox SetFlg{Frame3, "SetFlg"};
    Label Label1{Frame3, "Label1"};  // "Value"
    TextBox SFValue{Frame3, "SFValue"};
    Button SetFlagbtn{Frame3, "SetFlagbtn"};
    Label SetFlgResult{Frame3, "SetFlgResult"};

    Panel Frame4{*this, "Frame4"};   // "Load Scene"
    Label Label2{Frame4, "Label2"};  // "Scene #"
    TextBox LdScn{Frame4, "LdScn"};
    Button Command1{Frame4, "Command1"};
    Label Label3{Frame4, "Label3"};  // "(Current Scene is"
    Label CurScnLabel{Frame4, "CurScnLabel"};
    Label LdScnResult{Frame4, "LdScnResult"};

    Panel Frame5{*this, "Frame5"};   // "Give Inventory Item"
    Label Label4{Frame5, "Label4"};  // "Item Index #"
    TextBox GiveInv{Frame5, "GiveInv"};
    Button Command4{Frame5, "Command4"};
    Label GiveInvResult{Frame5, "GiveInvResult"};
    Button Command6{Frame5, "Command6"};
};

}  // namespace morvane
