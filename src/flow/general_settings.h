#pragma once

#include "base/integer.h"
#include "flow/flow_context.h"

namespace morvane {

// Reads record 1 of the open general file afresh and applies one group of its settings:
// 0 whether games may be saved, 1 the settings kept as values, 2 the interface, 3 the custom
// pointers, 4 the opening credits (waiting until they end), 5 the intro movie, 6 whether there
// is an intro movie. Other modes do nothing.
void ApplyGeneralSettings(FlowContext& ctx, Integer mode);

// Every pointer image without a picture of its own takes the built-in one of its number.
void UseBuiltInPointersWhereMissing(FlowContext& ctx);

}  // namespace morvane
