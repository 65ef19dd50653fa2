#pragma once

#include <string>

#include "base/integer.h"
#include "interaction/interaction_context.h"

namespace morvane {

// Plays an item-required sound: `file`, or the game's default item-required sound when `file` is
// empty; nothing when both are empty.
void PlayObjectSound(InteractionContext& ctx, const std::string& file, Integer channel, Long pan,
                     Long volume);

// Handlers of the scene objects Animation(1..20) of the main window.
void Animation_MouseMove(InteractionContext& ctx, int Index);
void Animation_Click(InteractionContext& ctx, int Index);
// Completes a Switch: its flag changes when its animation has run.
void Animation_PlayFinished(InteractionContext& ctx, int Index);

}  // namespace morvane
