#include "forms/load_game_window.h"

#include "forms/form_layout.h"

namespace morvane {

LoadGame::LoadGame(Desktop& desktop) : Window(desktop, "LoadGame") {
    // Centred on the screen: the list on the left, what it says about the selected game on the
    // right, the buttons below that.
    Move(200, 150, 400, 300);
    File1.Move(20, 20, 200, 220);
    File1.SetPattern("*.sav");
    Label1.Move(230, 20, 150, 60);
    Label2.Move(230, 90, 150, 20);
    Label3.Move(230, 116, 150, 20);
    Label4.Move(20, 256, 360, 20);
    Label4.SetCaption("Please choose a file!");
    Label4.SetVisible(false);
    ButtnOK.Move(280, 166, 100, 32);
    ButtnC.Move(280, 208, 100, 32);
    Image1.ForEach([](Image& look, int) { form_layout::Holder(look); });
    form_layout::Timer(MsgTimer, 1000);
}

}  // namespace morvane
