#pragma once

#include <string>

#include "forms/forms.h"
#include "platform/control_list_box.h"

namespace morvane {

// How many lines the notify list keeps. A game that logs in a loop for hours would otherwise
// fill memory; the oldest lines go first. Whatever prints the log (the headless output) still
// sees every line.
inline constexpr int kNotifyLogLimit = 10'000;

// Appends a log line to the notify list, dropping the oldest line once the list is at its
// limit, and selects the new line so the newest is in view.
void AppendNotifyLine(ListBox& list, std::string text, int limit = kNotifyLogLimit);

// Shows the notify window non-modal, owned by the main window, so it stays above the game.
void ShowNotifyWindow(Forms& windows);

}  // namespace morvane
