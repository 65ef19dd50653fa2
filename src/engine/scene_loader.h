#pragma once

#include "base/integer.h"
#include "engine/engine_context.h"

namespace morvane {

// Ends the scene being left (exit sound and movie), reads scene `SceneNo` into the current-scene
// tables, applies its conditional jump and entry flag, sets up its objects and starts its music,
// movies and sounds. Traps its own errors; a failed load still releases the input block.
void LoadScene(EngineContext& ctx, Integer SceneNo);

// Ends the input block of a load: the block timer uncovers the scene view a moment later.
void ReleaseSceneInput(EngineContext& ctx);

// The block timer's tick: uncovers the scene view and gives back the normal pointer (or the
// held item's).
void BlockTimer_Timer(EngineContext& ctx);

}  // namespace morvane
