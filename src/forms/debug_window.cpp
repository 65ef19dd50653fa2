#include "forms/debug_window.h"

namespace morvane {

namespace {

constexpr int kFrameWidth = 400;
constexpr int kTextWidth = 60;
constexpr int kTextHeight = 22;
constexpr int kButtonHeight = 26;
constexpr int kLineHeight = 20;

}  // namespace

MvDebug::MvDebug(Desktop& desktop) : Window(desktop, "MvDebug") {
    // Centred on the screen, the five frames one below the other.
    Move(190, 65, 420, 456);
    SetCaption("Morvane Debug Window");

    Frame1.Move(10, 10, kFrameWidth, 90);
    Frame1.SetCaption("Debugging Options");
    Check1.Move(10, 22, 140, 22);
    Check1.SetCaption("Notify Window");
    Command7.Move(160, 20, 140, kButtonHeight);
    Command7.SetCaption("Show Map");
    Command5.Move(10, 54, 140, kButtonHeight);
    Command5.SetCaption("Hide This Window");
    Command3.Move(160, 54, 140, kButtonHeight);
    Command3.SetCaption("Minimize Player");

    Frame2.Move(10, 108, kFrameWidth, 60);
    Frame2.SetCaption("Query Flag");
    QueryFlag.Move(10, 24, kTextWidth, kTextHeight);
    Command2.Move(80, 22, 70, kButtonHeight);
    Command2.SetCaption("Query");
    QFlagResult.Move(160, 26, 230, kLineHeight);

    Frame3.Move(10, 176, kFrameWidth, 60);
    Frame3.SetCaption("Set Flag");
    SetFlg.Move(10, 24, kTextWidth, kTextHeight);
    Label1.Move(78, 26, 40, kLineHeight);
    Label1.SetCaption("Value");
    SFValue.Move(120, 24, kTextWidth, kTextHeight);
    SetFlagbtn.Move(188, 22, 60, kButtonHeight);
    SetFlagbtn.SetCaption("Set");
    SetFlgResult.Move(256, 26, 140, kLineHeight);

    Frame4.Move(10, 244, kFrameWidth, 84);
    Frame4.SetCaption("Load Scene");
    Label2.Move(10, 26, 56, kLineHeight);
    Label2.SetCaption("Scene #");
    LdScn.Move(68, 24, kTextWidth, kTextHeight);
    Command1.Move(136, 22, 70, kButtonHeight);
    Command1.SetCaption("Load");
    // The label after the fixed text completes it with the scene number and ")".
    Label3.Move(214, 26, 110, kLineHeight);
    Label3.SetCaption("(Current Scene is");
    CurScnLabel.Move(324, 26, 66, kLineHeight);
    LdScnResult.Move(10, 56, 380, kLineHeight);

    Frame5.Move(10, 336, kFrameWidth, 110);
    Frame5.SetCaption("Give Inventory Item");
    Label4.Move(10, 26, 84, kLineHeight);
    Label4.SetCaption("Item Index #");
    GiveInv.Move(96, 24, kTextWidth, kTextHeight);
    Command4.Move(164, 22, 70, kButtonHeight);
    Command4.SetCaption("Give");
    GiveInvResult.Move(10, 52, 380, kLineHeight);
    Command6.Move(10, 76, 200, kButtonHeight);
    Command6.SetCaption("Clear All Inventory Items");
}

}  // namespace morvane
