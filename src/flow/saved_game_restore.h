#pragma once

#include "flow/flow_context.h"

namespace morvane {

// Rebuilds the game from the save snapshot, whose flags and map are already in place: the
// game window with its bar and score, the saved scene, the soundtrack, then the delays as they
// were saved, running or stopped.
void RestoreSavedGame(FlowContext& ctx);

// Fills the inventory bar's slots from the snapshot's items in saved order, closing the gaps of
// empty entries, without showing the bar pictures or logging. Reports its own errors.
void SavedGameInv(FlowContext& ctx);

}  // namespace morvane
