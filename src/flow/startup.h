#pragma once

#include "flow/flow_context.h"

namespace morvane {

// The start-up procedure: opens the databases (the general file first, which applies the
// general settings), identifies the CD, plays the opening credits and the intro movie, makes
// the saved-games folder and shows the main menu. Traps its own errors.
void StartApp(FlowContext& ctx);

// The end of the engine logo, by its last frame or by Escape: hides it and starts the game's
// set-up, only the first time it is reached.
void EngineLogoFinished(FlowContext& ctx);

// Connects the start window: its load (start-up options, display check, the loading timer),
// Timer1 (loads every window hidden, then the logo or StartApp), Escape and the logo's end.
void AttachStartWindow(FlowContext& ctx);

}  // namespace morvane
