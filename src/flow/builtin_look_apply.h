#pragma once

#include "flow/builtin_look.h"
#include "forms/forms.h"
#include "platform/builtin_pictures.h"

namespace morvane {

// Gives the game's windows the built-in look before anything of the game is read: the menu's
// background and button sources, the game window's frame, bar, buttons, score plates and
// status panel, the looks of the quit query and of the save and load dialogs, and the default
// pointers, which are also the pointers in use until the game names its own.
void ApplyBuiltInLook(Forms& forms, const BuiltInLook& look, const BuiltInPictures& pictures);

}  // namespace morvane
