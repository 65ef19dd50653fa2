#pragma once

#include "flow/flow_context.h"

namespace morvane {

// Shows the game's exit picture (window `NagForm`) modally; its OK button ends the program.
void ShowExitPicture(FlowContext& ctx);

// Connects the exit-picture window's load, its timer and its OK button.
void AttachExitPicture(FlowContext& ctx);

}  // namespace morvane
