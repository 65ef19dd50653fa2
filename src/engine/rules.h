#pragma once

#include <string>
#include <string_view>

#include "base/integer.h"
#include "engine/engine_context.h"

namespace morvane {

// One rule pass over slots 1 to 20. Traps its own errors; the pass ends at the failing slot.
void CheckHiddenObjects(EngineContext& ctx);

// The scene-load pass over every Multi-Trigger; stops at the first that asks for a scene.
void CheckMultiTriggers(EngineContext& ctx);

// How the notify log names an operator code: "= ", "<> ", "< ", "> ", or nothing.
std::string OperatorLogName(Integer op);

// The classic Val(): the leading number of a text, 0 when there is none.
double Val(std::string_view text);

}  // namespace morvane
