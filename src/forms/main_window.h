#pragma once

#include "platform/animated_picture.h"
#include "platform/control_array.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_timer.h"
#include "platform/window.h"

namespace morvane {

// The game window: the scene view with its objects, arrows, conversation box and movie, the
// inventory bar, the menu, save, examine and debug buttons, the score displays, the status
// message, the cover that blocks the scene while it changes, and the main window's timers.
//
// Objects, arrows, the conversation box and the movie with its backdrop are children of the
// scene view `ScnImg`, so their positions are in scene-view coordinates (0..700, 0..475).
// Everything else that is seen lies on the background panel `Picture1`, which fills the window
// and is centred as a whole on a larger screen; `Block` and `MsgStatus` lie on the window itself
// above `Picture1`, and start-up moves them along when it centres the background.
//
// The sound channels are not a control here: the media layer owns the sound device.
class Main : public Window {
  public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;
    static constexpr int kSceneLeft = 48;
    static constexpr int kSceneTop = 56;
    static constexpr int kSceneWidth = 700;
    static constexpr int kSceneHeight = 475;

    explicit Main(Desktop& desktop);

    // --- Pictures the code copies from; never seen ------------------------------------------
    Image FlashFixIcon{*this, "FlashFixIcon"};  // the pointer picture of the item in hand
    AnimatedPicture FNF{*this, "FNF"};          // shown for a missing object picture
    AnimatedPicture AniGIF1{*this, "AniGIF1"};  // the empty picture of a slot without one
    AnimatedPicture UnknownObject{*this, "UnknownObject"};
    // Two-frame sources of the button looks: frame 0 highlighted, frame 1 normal.
    AnimatedPicture MMB_Resource{*this, "MMB_Resource"};
    AnimatedPicture SGB_Resource{*this, "SGB_Resource"};
    AnimatedPicture EI_Resource{*this, "EI_Resource"};
    ControlArray<AnimatedPicture> ButtnDefault{*this, "ButtnDefault", 5};  // the menu buttons

    // --- The background panel and what lies on it -----------------------------------------
    PictureBox Picture1{*this, "Picture1"};

    // A spare caption of the window's frame, empty by design.
    Label Label5{Picture1, "Label5"};

    // Score displays: the current-score part is the left part of each, so cutting a display to
    // it (when the game has no maximum score) keeps the current score and drops the rest.
    Panel SmallScore{Picture1, "SmallScore"};
    Label CurrScore_Small{SmallScore, "CurrScore_Small"};
    Label Label1{SmallScore, "Label1"};
    Label MaxScore_Small{SmallScore, "MaxScore_Small"};
    Panel LargeScore{Picture1, "LargeScore"};
    Label Label3{LargeScore, "Label3"};
    Label CurrScore_Large{LargeScore, "CurrScore_Large"};
    Label Label2{LargeScore, "Label2"};
    Label MaxScore_Large{LargeScore, "MaxScore_Large"};

    // The scene view. Arrows lie below the objects, and the conversation box and the movie
    // above them, as the window's load stacks them.
    PictureBox ScnImg{Picture1, "ScnImg"};
    ControlArray<Image> Directionl{ScnImg, "Directionl", 4};  // 1 up, 2 right, 3 down, 4 left
    ControlArray<AnimatedPicture> Animation{ScnImg, "Animation", 20};
    PictureBox ConvBox{ScnImg, "ConvBox"};
    ControlArray<Label> ConvText{ConvBox, "ConvText", 5};
    Panel AVIBG{ScnImg, "AVIBG"};
    MovieControl MovieWindow{ScnImg, "MovieWindow"};

    // The inventory bar: 16 fixed slots, and the frame around the hovered one.
    Panel InvBar{Picture1, "InvBar"};
    Image ItemHiLite{InvBar, "ItemHiLite"};
    ControlArray<PictureBox> invitem{InvBar, "invitem", 16};

    Image ExamineItem{Picture1, "ExamineItem"};
    Image MainMenuButtn{Picture1, "MainMenuButtn"};
    Image SaveGameButtn{Picture1, "SaveGameButtn"};
    Button Command1{Picture1, "Command1"};  // "Debug", shown in debugging mode only

    // --- Above the background ---------------------------------------------------------------
    Panel Block{*this, "Block"};  // covers the scene view and swallows its clicks
    Panel MsgStatus{*this, "MsgStatus"};
    Label Msg{MsgStatus, "Msg"};

    // --- Timers -----------------------------------------------------------------------------
    TimerControl BlockTimer{*this, "BlockTimer"};
    TimerControl ScnTimer{*this, "ScnTimer"};
    TimerControl MsgTimer{*this, "MsgTimer"};
    TimerControl PostMovieTimer{*this, "PostMovieTimer"};
    ControlArray<TimerControl> DelayTimer{*this, "DelayTimer", 20};  // one per object slot
};

}  // namespace morvane
