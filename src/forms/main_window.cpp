#include "forms/main_window.h"

#include <initializer_list>

#include "forms/form_layout.h"

namespace morvane {

namespace {

// The inventory bar runs under the scene view, as wide as it; the 16 slots are spread evenly
// over it with room for the highlight frame one pixel outside each.
constexpr int kBarTop = 538;
constexpr int kBarHeight = 52;
constexpr int kSlotSize = 40;
constexpr int kSlotPitch = 43;
constexpr int kFirstSlotLeft = 7;
constexpr int kSlotTop = 6;

// The status message sits in the middle of the scene view.
constexpr int kMsgWidth = 300;
constexpr int kMsgHeight = 40;

// The conversation box starts at its design place; its right edge stays on the scene view's
// right edge (left + width = 700) as it grows, and the lines keep half the 156-pixel margin on
// either side.
constexpr int kConvLeft = 343;
constexpr int kConvTop = 355;
constexpr int kConvHeight = 110;
constexpr int kConvMargin = 156;
constexpr int kConvLineHeight = 20;

}  // namespace

Main::Main(Desktop& desktop) : Window(desktop, "Main") {
    using form_layout::Holder;
    using form_layout::Timer;

    Move(0, 0, kWidth, kHeight);

    for (Control* holder :
         std::initializer_list<Control*>{&FlashFixIcon, &FNF, &AniGIF1, &UnknownObject,
                                         &MMB_Resource, &SGB_Resource, &EI_Resource}) {
        Holder(*holder);
    }
    ButtnDefault.ForEach([](AnimatedPicture& picture, int) { Holder(picture); });

    Picture1.Move(0, 0, kWidth, kHeight);

    // The top strip, above the scene view: the menu and save buttons on the left, the score
    // display on the right, and the debug button at the far right, where the notify window
    // (which opens at the top of the screen, 133 pixels from the left) does not cover it.
    MainMenuButtn.Move(48, 12, 110, 36);
    SaveGameButtn.Move(166, 12, 110, 36);
    SaveGameButtn.SetTag("True");
    Command1.Move(748, 14, 48, 32);
    Command1.SetCaption("Debug");
    Command1.SetVisible(false);
    Label5.Move(362, 18, 100, 24);

    // Cut, the small display keeps width 60 at left 610 and the large one width 135 at left 541;
    // uncut, each is centred on about the same place. Captions are drawn from the top of their
    // label, so the labels are one line high, in the middle of their display and clear of the
    // frame its picture draws round the edge.
    SmallScore.Move(580, 14, 120, 30);
    CurrScore_Small.Move(8, 7, 52, 16);
    Label1.Move(60, 7, 14, 16);
    MaxScore_Small.Move(74, 7, 38, 16);
    LargeScore.Move(474, 8, 270, 40);
    Label3.Move(14, 12, 50, 16);
    CurrScore_Large.Move(64, 12, 66, 16);
    Label2.Move(135, 12, 40, 16);
    MaxScore_Large.Move(175, 12, 81, 16);
    Label1.SetCaption("/");
    Label3.SetCaption("SCORE");
    Label2.SetCaption("OF");
    for (Label* score : {&CurrScore_Small, &MaxScore_Small, &CurrScore_Large, &MaxScore_Large}) {
        score->SetCaption("0");
    }
    for (Label* label : {&CurrScore_Small, &Label1, &CurrScore_Large, &Label2}) {
        label->SetAlignment(TextAlignment::kCentre);
    }
    // Neither display shows until the game's settings choose one.
    for (Panel* display : {&SmallScore, &LargeScore}) {
        display->SetVisible(false);
        display->SetTag("False");
    }

    ScnImg.Move(kSceneLeft, kSceneTop, kSceneWidth, kSceneHeight);
    // Arrows and objects are placed by every scene load; until then they have no area and
    // the objects are hidden.
    Animation.ForEach([](AnimatedPicture& object, int) { object.SetVisible(false); });

    ConvBox.Move(kConvLeft, kConvTop, kSceneWidth - kConvLeft, kConvHeight);
    ConvBox.SetVisible(false);
    ConvText.ForEach([](Label& line, int index) {
        line.Move(kConvMargin / 2, 5 + (index - 1) * kConvLineHeight,
                  kSceneWidth - kConvLeft - kConvMargin, kConvLineHeight);
        line.SetVisible(false);
    });

    AVIBG.Move(0, 0, kSceneWidth, kSceneHeight);
    AVIBG.SetVisible(false);
    MovieWindow.Move(0, 0, kSceneWidth, kSceneHeight);
    MovieWindow.SetVisible(false);

    // The bar is as wide as the scene view, below it; the examine button to its right.
    InvBar.Move(kSceneLeft, kBarTop, kSceneWidth, kBarHeight);
    InvBar.SetTag("True");
    invitem.ForEach([](PictureBox& slot, int index) {
        slot.Move(kFirstSlotLeft + (index - 1) * kSlotPitch, kSlotTop, kSlotSize, kSlotSize);
        slot.SetVisible(false);
    });
    // The frame only marks the hovered slot: a click on it belongs to the bar.
    ItemHiLite.Move(kFirstSlotLeft - 1, kSlotTop, kSlotSize + 2, kSlotSize + 2);
    ItemHiLite.SetVisible(false);
    ItemHiLite.SetEnabled(false);
    ExamineItem.Move(kSceneLeft + kSceneWidth + 4, kBarTop + 2, 44, 48);
    ExamineItem.SetTag("True");

    Block.Move(kSceneLeft, kSceneTop, kSceneWidth, kSceneHeight);
    Block.SetVisible(false);

    MsgStatus.Move(kSceneLeft + (kSceneWidth - kMsgWidth) / 2,
                   kSceneTop + (kSceneHeight - kMsgHeight) / 2, kMsgWidth, kMsgHeight);
    MsgStatus.SetVisible(false);
    Msg.Move(0, 0, kMsgWidth, kMsgHeight);
    Msg.SetAlignment(TextAlignment::kCentre);

    Timer(BlockTimer, 200);
    Timer(ScnTimer, 700);
    Timer(MsgTimer, 1000);
    Timer(PostMovieTimer, 200);
    // Each delay gets its interval when it is armed.
    DelayTimer.ForEach([](TimerControl& delay, int) { Timer(delay, 0); });
}

}  // namespace morvane
