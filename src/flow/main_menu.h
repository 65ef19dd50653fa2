#pragma once

#include "flow/flow_context.h"

namespace morvane {

// The main menu's button numbers.
inline constexpr int kIntroButton = 1;
inline constexpr int kNewGameButton = 2;
inline constexpr int kLoadButton = 3;
inline constexpr int kMenuSceneButton = 4;
inline constexpr int kQuitButton = 5;

// A click on menu button 1 to 5: the busy pointer, then, unless a button is being handled
// already, the click sound and the 700 ms pause (so a double click acts once), then the
// button's action.
void Buttn_Click(FlowContext& ctx, int button);

// Starts the menu music by its extension: a looping WAV on the soundtrack channel, MIDI or MP3.
void PlayMenuMusic(FlowContext& ctx);

// Connects the main menu's load, activation, pointer, keys, buttons and pause timer.
void AttachMainMenu(FlowContext& ctx);

}  // namespace morvane
