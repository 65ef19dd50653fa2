#include "forms/load_game_window.h"

#include "forms/form_layout.h"

namespace morvane {

LoadGame::LoadGame(Desktop& desktop) : Window(desktop, "LoadGame") {
    // The list on the left; on the right the picture of the selected game, what it says about
    // itself and the buttons; the background names each part.
    Move(150, 132, kWidth, kHeight);
    File1.Move(20, 62, 230, 224);
    File1.SetPattern("*.sav");
    Preview.Move(295, 62, kPreviewWidth, kPreviewHeight);
    Preview.SetStretch(true);
    Preview.SetVisible(false);
    Label1.Move(270, 196, 210, 34);
    Label2.Move(330, 234, 150, 18);
    Label3.Move(330, 254, 150, 18);
    Label4.Move(20, 292, 230, 20);
    Label4.SetCaption("Please choose a file!");
    Label4.SetVisible(false);
    ButtnOK.Move(278, 284, 96, 36);
    ButtnC.Move(384, 284, 96, 36);
    Image1.ForEach([](Image& look, int) { form_layout::Holder(look); });
    form_layout::Timer(MsgTimer, 1000);
}

}  // namespace morvane
