#pragma once

#include "engine/engine_context.h"

namespace morvane {

// The tick of DelayTimer(k): the delay has run out. It waits, armed, while a scene loads, the map
// is open, an item is examined or the quit question is asked.
void DelayTimer_Timer(EngineContext& ctx, int slot);

}  // namespace morvane
