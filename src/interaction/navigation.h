#pragma once

#include "interaction/interaction_context.h"

namespace morvane {

// The arrow control Directionl(1..4) (up, right, down, left) of each stored arrow group of the
// scene: A up, B down, C left, D right.
int ArrowGroup(int Index);

// Handlers of the navigation arrows.
void Directionl_MouseMove(InteractionContext& ctx, int Index);
void Directionl_Click(InteractionContext& ctx, int Index);

}  // namespace morvane
