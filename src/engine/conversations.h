#pragma once

#include "base/integer.h"
#include "engine/engine_context.h"

namespace morvane {

// Shows cue card `CueCard` for the Conversation object in `Slot` in the conversation box.
void ShowConversation(EngineContext& ctx, Integer CueCard, Integer Slot);

// Handlers of the conversation box.
void ConvText_MouseMove(EngineContext& ctx, int Index);
void ConvBox_MouseMove(EngineContext& ctx);
void ConvText_Click(EngineContext& ctx, int Index);

}  // namespace morvane
