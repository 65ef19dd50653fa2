#pragma once

#include "interaction/interaction_context.h"

namespace morvane {

// Handlers of the inventory bar, its slot pictures invitem(1..16) and the examine button.
void InvItem_MouseDown(InteractionContext& ctx, int Index, int Button);
void invitem_MouseMove(InteractionContext& ctx, int Index);
void InvBar_MouseDown(InteractionContext& ctx, int Button);
void InvBar_MouseMove(InteractionContext& ctx);
void ExamineItem_MouseMove(InteractionContext& ctx);
void ExamineItem_Click(InteractionContext& ctx);

}  // namespace morvane
