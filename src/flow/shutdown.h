#pragma once

#include "flow/flow_context.h"

namespace morvane {

// The orderly end of the program: closes the databases, stops the music engines, the sound
// channels and the movie window, restores the display, unloads every window and ends the
// process.
void ShutDown(FlowContext& ctx);

}  // namespace morvane
