#pragma once

#include "flow/flow_context.h"

namespace morvane {

// Until saved games can be restored, the load dialog only offers its way back: Cancel or
// Escape close it and the menu is usable again.
void AttachLoadDialogShell(FlowContext& ctx);

}  // namespace morvane
