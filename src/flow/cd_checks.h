#pragma once

#include "base/integer.h"

namespace morvane {

struct FlowContext;

// CD identification at start-up: when the game folder lies on a CD-ROM, the CD in the drive is
// the one whose label (in any letter case) matches the drive's volume label. A game set up to
// run from its CDs stops when none matches. False when the program was shut down.
bool IdentifyCd(FlowContext& ctx);

// The scene-CD check of a scene load while the game runs from an identified CD: asks for the
// CD that holds `scene` until its label is in the drive; Cancel ends the game. A game set up to
// run from its CDs stops when no CD holds the scene. False when the program was shut down: the
// load must end there.
bool CheckSceneCd(FlowContext& ctx, Integer scene);

}  // namespace morvane
