#include "flow/load_dialog_shell.h"

namespace morvane {

void AttachLoadDialogShell(FlowContext& ctx) {
    LoadGame& dialog = ctx.Windows.LoadGame;
    dialog.ButtnC.OnClick = [&dialog] { dialog.Hide(); };
    dialog.OnKeyDown = [&dialog](int& key_code, int) {
        if (key_code == key::kEscape) {
            dialog.Hide();
        }
        key_code = 0;
    };
}

}  // namespace morvane
