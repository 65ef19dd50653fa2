#pragma once

#include <array>

#include "forms/closeup_window.h"
#include "forms/debug_window.h"
#include "forms/intro_window.h"
#include "forms/item_images_window.h"
#include "forms/load_game_window.h"
#include "forms/main_menu_window.h"
#include "forms/main_window.h"
#include "forms/map_window.h"
#include "forms/mouse_point_window.h"
#include "forms/mp3_window.h"
#include "forms/nag_window.h"
#include "forms/notify_window.h"
#include "forms/quit_game_query_window.h"
#include "forms/save_game_window.h"
#include "forms/start_window.h"

namespace morvane {

// Every window of the game, one of each, for the whole run: the player's context holds this
// one object and every part of the game reaches a control through it
// (`forms.Main.Animation(3)`). The windows register with the desktop as they are made and
// start hidden and unloaded; loading and showing them is the game's start-up.
class Forms {
  public:
    static constexpr std::size_t kWindowCount = 15;

    explicit Forms(Desktop& desktop);
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    morvane::StartForm StartForm;
    morvane::IntroFrm IntroFrm;
    morvane::MvDebug MvDebug;
    morvane::Closeup Closeup;
    morvane::MousePoint MousePoint;
    morvane::QuitGameQuery QuitGameQuery;
    morvane::SaveGame SaveGame;
    morvane::LoadGame LoadGame;
    morvane::MainMenu MainMenu;
    morvane::Main Main;
    morvane::MapWindow MapWindow;
    morvane::ItemImages ItemImages;
    morvane::Mp3Form Mp3Form;
    morvane::NoWin NoWin;
    morvane::NagForm NagForm;

    // All of them, in the order above.
    std::array<Window*, kWindowCount> All();
};

}  // namespace morvane
