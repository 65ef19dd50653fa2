#pragma once

#include "interaction/interaction_context.h"

namespace morvane {

// Connects the main window's scene objects, arrows, inventory bar, examine button, keys and
// status timer, the close-up window, the picture store and the map window to their handlers.
// The context must outlive the windows' use of them.
void AttachInteraction(InteractionContext& ctx);

}  // namespace morvane
