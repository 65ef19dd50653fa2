#pragma once

#include <array>
#include <string>

#include "base/integer.h"

namespace morvane {

// The values the general settings give the player's start-up, menus and quitting, copied from
// the general record once it is open.
struct GeneralSettings {
    std::string MenuMusic;
    Long MenuMusicVolume = 0;
    std::string InventoryFullSound;
    Long InventoryFullVolume = 0;
    Long InventoryFullPan = 0;
    std::string MouseOverSound;
    Long MouseOverVolume = 0;
    Long MouseOverPan = 0;
    std::string ClickSound;
    Long ClickVolume = 0;
    Long ClickPan = 0;
    std::string ItemRequiredSound;
    Long ItemRequiredPan = 0;
    Long ItemRequiredVolume = 0;
    Integer MovieSizeMode = 0;
    bool ExitPictureEnabled = false;
    std::string ExitPicture;
    // The game is set up to run from its CDs (the run-from-CD option).
    bool RunFromCd = false;
    std::array<std::string, 4> CdLabels;
    std::array<Integer, 4> CdFirstScene{};
    std::array<Integer, 4> CdLastScene{};
};

// Codes of the last-hovered button, shared by every window: a hover sound plays only when the
// pointer enters a button whose code differs from the stored one.
namespace hover {
inline constexpr Integer kMenuBackground = -1;
inline constexpr Integer kMainNeutral = 97;
inline constexpr Integer kMainMenuButton = 98;
inline constexpr Integer kSaveButton = 99;
inline constexpr Integer kExamineButton = 100;
inline constexpr Integer kQueryNeutral = 97;
inline constexpr Integer kQueryNo = 98;
inline constexpr Integer kQueryYes = 99;
}  // namespace hover

// The state of the game between games: start-up, the menus, the intro and the quit query.
// Every value starts False, zero or empty, as at program start.
struct FlowState {
    GeneralSettings Settings;

    // Start-up.
    bool UserLogoShowing = false;
    bool UserLogoDone = false;
    bool StartingUp = false;
    bool NewGameStarting = false;
    bool IntroMovieExists = false;
    // StartApp runs once, however the engine logo ends (Escape, its last frame, or both).
    bool StartAppBegun = false;

    // The intro movie.
    bool IntroPlaying = false;
    bool IntroDone = false;

    // The menus.
    Integer LastHoveredButton = 0;
    bool MenuBusy = false;
    bool PauseElapsed = false;
    bool QuitQueryClosing = false;
    // The menu comes back from the load dialog: its activation then leaves the music alone.
    bool BackFromLoadDialog = false;
};

}  // namespace morvane
