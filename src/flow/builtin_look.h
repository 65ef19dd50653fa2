#pragma once

#include <array>
#include <functional>

#include "platform/picture.h"
#include "platform/picture_on_demand.h"

namespace morvane {

// The player's own look for everything the game's windows show before (or instead of) the
// game's pictures: the main menu's background and its five two-frame buttons ("Intro",
// "New Game", "Load Game", "Menu Scene", "Quit"), the game window's frame around the scene
// view, the inventory bar, the in-game buttons, the score displays, the status panel, the quit
// query and the engine logo. Each picture is made the first time it is asked for and then
// shared, so showing it again changes nothing on screen; its pixels are drawn only when
// something first reads them (the window drawing it), so a headless run draws none.
class BuiltInLook {
  public:
    BuiltInLook() = default;
    BuiltInLook(const BuiltInLook&) = delete;
    BuiltInLook& operator=(const BuiltInLook&) = delete;

    // The engine logo: an animation that draws the engine's mark and then holds it.
    PicturePtr EngineLogo() const;

    PicturePtr MenuBackground() const;        // 800 x 600
    PicturePtr MenuButton(int button) const;  // 1 to 5; 200 x 50, two frames

    PicturePtr GameFrame() const;        // 800 x 600, the scene view left open
    PicturePtr InventoryBar() const;     // 700 x 52, sixteen slot wells
    PicturePtr MainMenuButton() const;   // 110 x 36, two frames
    PicturePtr SaveButton() const;       // 110 x 36, two frames
    PicturePtr ExamineButton() const;    // 44 x 48, two frames
    PicturePtr SmallScorePlate() const;  // 120 x 30
    PicturePtr LargeScorePlate() const;  // 270 x 40
    PicturePtr StatusPanel() const;      // 300 x 40

    PicturePtr QuitQueryBackground() const;  // 240 x 140
    // The query's button looks: 1 Yes highlighted, 2 Yes normal, 3 No highlighted, 4 No normal.
    PicturePtr QuitAnswer(int look) const;  // 88 x 40

  private:
    enum Item {
        kEngineLogo,
        kMenuBackground,
        kMenuButton1,
        kMenuButton5 = kMenuButton1 + 4,
        kGameFrame,
        kInventoryBar,
        kMainMenuButton,
        kSaveButton,
        kExamineButton,
        kSmallScore,
        kLargeScore,
        kStatusPanel,
        kQuitBackground,
        kQuitAnswer1,
        kQuitAnswer4 = kQuitAnswer1 + 3,
        kItemCount,
    };

    // The item's picture, made the first time it is asked for and drawn when first shown.
    PicturePtr Get(Item item, PictureShape shape, std::function<PicturePtr()> draw) const;

    mutable std::array<PicturePtr, kItemCount> pictures_;
};

}  // namespace morvane
