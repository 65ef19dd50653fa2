#include "forms/save_game_window.h"

#include "forms/form_layout.h"

namespace morvane {

SaveGame::SaveGame(Desktop& desktop) : Window(desktop, "SaveGame") {
    // Centred on the screen: the two texts on top, the list below them, the buttons beside it.
    Move(200, 150, 400, 300);
    Text1.Move(20, 20, 240, 24);
    Text1.SetText("Filename");
    Text2.Move(20, 52, 360, 24);
    Text2.SetText("Game Description");
    File1.Move(20, 84, 240, 160);
    File1.SetPattern("*.sav");
    Label1.Move(20, 256, 360, 20);
    Label1.SetCaption("Please enter a filename!");
    Label1.SetVisible(false);
    ButtnOK.Move(280, 170, 100, 32);
    ButtnC.Move(280, 212, 100, 32);
    Image1.ForEach([](Image& look, int) { form_layout::Holder(look); });
    form_layout::Timer(MsgTimer, 1000);
}

}  // namespace morvane
