#pragma once

#include "interaction/interaction_context.h"

namespace morvane {

// Handlers of the main window itself: its load, keys, status message and the mouse moves over
// the scene picture, the background and the captions.
void Main_Load(InteractionContext& ctx);
void Main_KeyDown(InteractionContext& ctx, int& KeyCode);
void Main_KeyPress(int& KeyAscii);
void MsgTimer_Timer(InteractionContext& ctx);
void ScnImg_MouseMove(InteractionContext& ctx);
// The window and its background panel.
void Background_MouseMove(InteractionContext& ctx);
// The captions, the score displays and the debug button.
void Caption_MouseMove(InteractionContext& ctx);

// F1: music off or on again, with a short status message.
void ToggleMusic(InteractionContext& ctx);

}  // namespace morvane
