#pragma once

#include "base/integer.h"
#include "engine/game_state.h"

namespace morvane {

// The one flag comparison, with the operator codes of the game data: 0 equal, 1 not equal,
// 2 flag less than value, 3 flag greater than value. Any other operator is False and leaves the
// flag table alone; with a known operator a flag outside 0 to 255 is run-time error 9.
bool CheckFlag(const GameState& state, Integer FlagNo, Integer Op, double Value);

}  // namespace morvane
