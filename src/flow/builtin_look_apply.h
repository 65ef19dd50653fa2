#pragma once

#include "flow/builtin_look.h"
#include "forms/forms.h"
#include "platform/builtin_pictures.h"

namespace morvane {

// Gives the game's windows the built-in look before anything of the game is read: the menu's
// background and button sources, the game window's frame, bar, buttons, score plates and
// status panel, the quit query's looks, and the default pointers, which are also the pointers in
// use until the game names its own.
void ApplyBuiltInLook(Forms& forms, const BuiltInLook& look, const BuiltInPictures& pictures);

// Gives a save or load dialog its built-in background and OK and Cancel looks the first time it
// is shown: most runs never open them, and drawing them costs start-up time.
void ApplyDialogLook(SaveGame& dialog, const BuiltInLook& look);
void ApplyDialogLook(LoadGame& dialog, const BuiltInLook& look);

}  // namespace morvane
