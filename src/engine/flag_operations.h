#pragma once

#include "base/integer.h"
#include "engine/engine_context.h"

namespace morvane {

// The one way a flag changes during play. Mode 0 sets, 1 adds, any other leaves the flag alone;
// every mode but flag 0 runs the rule pass and then the object update (or the scene load a rule
// asked for). No trap of its own: errors reach the caller's.
void SetFlag(EngineContext& ctx, Integer FlagNo, Integer Value, Integer Mode);

// Makes map location 1 to 20 available; 0 does nothing.
void AddMapLocation(EngineContext& ctx, Integer LocationNo);

// The shortest wait of a delay timer: like the system timers games were made for, a timer ticks
// at most once per resolution, so a zero-second delay waits this long.
inline constexpr int kTimerResolutionMs = 16;

// Arms delay timer `Slot` for `Seconds` (0 means at once, negative never; 33 or more overflows).
// A delay stopped as part of a runaway loop does not start again.
void StartDelay(EngineContext& ctx, Integer Slot, Integer Seconds);

// The sound channel an object of `Kind` in `Slot` uses for its sound `Which`.
Integer ObjectSoundChannel(const GameState& state, Integer Kind, Integer Slot, Integer Which);

}  // namespace morvane
