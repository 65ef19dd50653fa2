#pragma once

#include <string>

namespace morvane {

class Control;
class Desktop;

// Why a click at the control's centre would not reach it: "hidden", "disabled", "window
// MapWindow hidden", "Main.InvBar hidden", "window QuitGameQuery is modal", "covered by
// Main.Block". Empty when it would.
std::string WhyNotReachable(const Desktop& desktop, const Control& control);

// Why the control is not shown on the screen: it, a container above it or its window is hidden
// or not loaded; the outermost one is named. Empty when it is shown.
std::string WhyNotShown(const Control& control);

}  // namespace morvane
