#pragma once

#include "flow/flow_context.h"

namespace morvane {

inline constexpr const char* kChooseFile = "Please choose a file!";

// The load dialog the main menu's Load button opens: the saved games, what the selected one
// says about itself with its picture, and OK to restore it or Cancel back to the menu.
void AttachLoadDialog(FlowContext& ctx);

}  // namespace morvane
