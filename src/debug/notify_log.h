#pragma once

#include <string>

#include "forms/forms.h"
#include "forms/notify_log.h"

namespace morvane {

struct DebugContext;

// The notify window's height while it is shrunk to its buttons (675 twips).
inline constexpr int kNotifyShrunkHeight = 45;

// The notify window's `LogLine`: appends a line as the newest item of the list and selects it,
// so the newest line is in view, dropping the oldest past the list's limit. The window is made on
// first use, also while it is hidden. It does not look at the log switch; its callers do.
void AppendNotifyLine(Forms& windows, const std::string& text);

// Connects the notify window: its load (placed at the top, shrunk), Copy to Clipboard, Empty
// Contents, the shrink/expand toggle and the normal pointer over it.
void AttachNotifyWindow(DebugContext& ctx);

// The notify window's handlers.
void NoWin_Load(DebugContext& ctx);
void cc_Click(DebugContext& ctx);
void ClC_Click(DebugContext& ctx);
void CompExp_Click(DebugContext& ctx);

}  // namespace morvane
