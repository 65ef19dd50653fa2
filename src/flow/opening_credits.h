#pragma once

#include <string>

#include "flow/flow_context.h"

namespace morvane {

// The game's opening credits on the start window: an animated GIF played once (a still one
// stays two seconds) or an AVI movie. Both set "user logo showing" until they end.
void PlayOpenCredsGif(FlowContext& ctx, const std::string& fileName);
void PlayOpenCredsAVI(FlowContext& ctx, const std::string& fileName);

// Processes events while the credits show. Credits that never report their end release the
// wait after a bound (the movie's length and a margin for an AVI).
void WaitForCredits(FlowContext& ctx);

// Escape on the start window while credits show: ends the visible one.
void SkipCredits(FlowContext& ctx);

// Connects the start window's credits controls and UserLogoTimer to their handlers.
void AttachOpeningCredits(FlowContext& ctx);

}  // namespace morvane
