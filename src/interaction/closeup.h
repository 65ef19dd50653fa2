#pragma once

#include "interaction/interaction_context.h"

namespace morvane {

// Handlers of the close-up window: it opens centred, starts its picture and sound after a short
// delay, and closes with its button.
void Closeup_Load(InteractionContext& ctx);
void Closeup_Activate(InteractionContext& ctx);
void StartUpDelay_Timer(InteractionContext& ctx);
void Closeup_Command1_Click(InteractionContext& ctx);
void ClsUpImg_ReadFinished(InteractionContext& ctx);

}  // namespace morvane
