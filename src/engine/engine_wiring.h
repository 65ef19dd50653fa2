#pragma once

#include "engine/engine_context.h"

namespace morvane {

// Connects the main window's timers, pictures, conversation box and movie window to the engine's
// handlers. The context must outlive the view's use of them.
void AttachEngine(EngineContext& ctx);

}  // namespace morvane
