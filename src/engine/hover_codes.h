#pragma once

#include "base/integer.h"

namespace morvane {

// Codes of the last-hovered button (GameState::LastHoveredButton), shared by every window: a
// button's hover sound plays only when the stored code differs from the button's own, and the
// neutral areas store a neutral code so that the next button entered sounds again. The main
// menu's buttons use their numbers 1 to 5.
namespace hover {
inline constexpr Integer kMenuBackground = -1;
// The main window.
inline constexpr Integer kMainNeutral = 97;
inline constexpr Integer kMainMenuButton = 98;
inline constexpr Integer kSaveButton = 99;
inline constexpr Integer kExamineButton = 100;
// The quit query, and the save and load dialogs.
inline constexpr Integer kDialogNeutral = 97;
inline constexpr Integer kQueryNo = 98;
inline constexpr Integer kQueryYes = 99;
inline constexpr Integer kDialogCancel = 98;
inline constexpr Integer kDialogOk = 99;
// The map window.
inline constexpr Integer kMapNeutral = 98;
inline constexpr Integer kMapCancel = 99;
}  // namespace hover

}  // namespace morvane
