#include "flow/dialog_buttons.h"

#include "platform/desktop.h"

namespace morvane {

void CentreOnScreen(FlowContext& ctx, Window& dialog) {
    const Desktop& desktop = ctx.GetDesktop();
    dialog.Move((desktop.ScreenWidth() - dialog.Width()) / 2,
                (desktop.ScreenHeight() - dialog.Height()) / 2);
}

void ShowForOneSecond(Label& warning, TimerControl& timer) {
    warning.SetVisible(true);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
}

}  // namespace morvane
