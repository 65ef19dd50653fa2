#pragma once

#include "flow/flow_context.h"

namespace morvane {

// Starts a new game: hides the menu, applies the saving option, shows the game's controls as
// their tags say, plays the intro when the game asks for it before a new game, resets the game
// state, gives the starting inventory, turns debugging on in debugging mode, shows the main
// window and loads scene 1. Traps its own errors.
void StartNewGame(FlowContext& ctx);

// Opens the game's menu scene over the main window, without the game's own controls; the game
// state is reset only when the player leaves it.
void ShowMenuScene(FlowContext& ctx);

// Abandons the game being played (not the program): soundtrack, hand, scene, conversation,
// scene view, inventory bar, map, flags, rule values and interaction marks back to their start.
void ResetGameState(FlowContext& ctx);

// Shows the inventory bar's occupied slots with their items' icons (a new game's starting items,
// a restored game's inventory).
void ShowInventoryBarItems(FlowContext& ctx);

// Debugging mode: the notify list starts empty, the Debug button shows, the notify window opens
// and the log switch follows the debug window's "Notify Window" box.
void TurnDebuggingOn(FlowContext& ctx);

}  // namespace morvane
