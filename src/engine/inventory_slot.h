#pragma once

#include "database/inventory_record.h"
#include "engine/game_state.h"

namespace morvane {

// What an inventory bar slot keeps of an inventory record, with its two corrections: an item
// without a partner or a result does not combine, and one without a result item does not
// transform.
InventorySlot SlotEntry(const InventoryRecord& r);

}  // namespace morvane
