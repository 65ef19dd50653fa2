#pragma once

#include "engine/engine_context.h"

namespace morvane {

// Sets up the 20 object slots of a scene just read: pictures, animation styles, the memories of
// the rules, then UpdateObjData2. Traps its own errors.
void UpdateObjData(EngineContext& ctx);

// Brings the slots into the state the flags imply after a load or a flag change, ending with
// the closing rule pass and the scene timer's pause. Traps its own errors.
void UpdateObjData2(EngineContext& ctx);

// Handlers of the main window: Animation(k) finished loading; the scene timer ticked.
void Animation_ReadFinished(EngineContext& ctx, int slot);
void ScnTimer_Timer(EngineContext& ctx);

}  // namespace morvane
