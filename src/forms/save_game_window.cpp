#include "forms/save_game_window.h"

#include "forms/form_layout.h"

namespace morvane {

SaveGame::SaveGame(Desktop& desktop) : Window(desktop, "SaveGame") {
    // The name and the description on top, the saved games below them with the buttons beside
    // the list, the warning under it; the background names each part.
    Move(190, 132, kWidth, kHeight);
    Text1.Move(20, 62, 250, 24);
    Text1.SetText("Filename");
    Text2.Move(20, 112, 380, 24);
    Text2.SetText("Game Description");
    File1.Move(20, 162, 250, 112);
    File1.SetPattern("*.sav");
    Label1.Move(20, 282, 380, 36);
    Label1.SetCaption("Please enter a filename!");
    Label1.SetVisible(false);
    ButtnOK.Move(292, 190, 96, 36);
    ButtnC.Move(292, 238, 96, 36);
    Image1.ForEach([](Image& look, int) { form_layout::Holder(look); });
    form_layout::Timer(MsgTimer, 1000);
}

}  // namespace morvane
