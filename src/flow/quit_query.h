#pragma once

#include "flow/flow_context.h"

namespace morvane {

// The main window's main-menu button: from the menu scene straight back to the menu, from a
// game to the quit query.
void MainMenuButtn_Click(FlowContext& ctx);

// The quit query's answers: Yes abandons the game after the click pause and shows the main
// menu; No closes the query and play goes on. Each acts once, whatever clicks follow.
void ButtnYes_Click(FlowContext& ctx);
void ButtnNo_Click(FlowContext& ctx);

// Connects the main-menu button of the main window and the quit query.
void AttachQuitQuery(FlowContext& ctx);

}  // namespace morvane
