#pragma once

#include "flow/flow_context.h"

namespace morvane {

// The texts under the save dialog's name box.
inline constexpr const char* kEnterFilename = "Please enter a filename!";
inline constexpr const char* kFilenameRule =
    "A name may not hold \\ / : * ? \" < > | or two dots in a row.";

// The main window's save button and the save dialog it opens.
void AttachSaveDialog(FlowContext& ctx);

// The save button's click: unless the game is busy, the snapshot is taken and the dialog shown.
void SaveGameButtn_Click(FlowContext& ctx);

}  // namespace morvane
