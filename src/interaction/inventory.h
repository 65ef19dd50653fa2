#pragma once

#include "base/integer.h"
#include "interaction/interaction_context.h"

namespace morvane {

// Puts inventory record `item` into the bar: into a new slot at the end, or with `replace` into
// `slot`, replacing what is there. A full bar refuses a new item with the inventory full sound or,
// without one, the "Inventory Full" status line.
void AddInventoryItem(InteractionContext& ctx, Integer item, bool replace, Integer slot);

// The held item (slot `a`) applied to the item in slot `b`. Only the held item's combination data
// counts; on success slot b holds the result and slot a is gone.
void CombineInventoryItems(InteractionContext& ctx, Integer a, Integer b);

// Removes the item in `slot`, closing the gap.
void CompactInventoryBar(InteractionContext& ctx, Integer slot);

// What examining the item in `slot` does afterwards: a map location, a flag, a transformation.
void ApplyExamineEffects(InteractionContext& ctx, Integer slot);

// Fills the bar with the items carried from the start of a new game, in record order. The bar
// pictures get their icons but stay hidden: ShowInventoryBar shows them.
void LoadStartItems(InteractionContext& ctx);

// Shows the bar pictures of the occupied slots and hides the rest.
void ShowInventoryBar(InteractionContext& ctx);

// Starts loading the close-up picture of the item in `slot` into the close-up window; close-up
// ready becomes True when it has been read.
void StartCloseupLoad(InteractionContext& ctx, Integer slot);

}  // namespace morvane
