#pragma once

#include "base/integer.h"
#include "engine/hover_codes.h"
#include "flow/flow_context.h"
#include "platform/control_array.h"
#include "platform/control_display.h"
#include "platform/control_timer.h"

namespace morvane {

// A dialog's OK and Cancel looks, held in its Image1: 1 OK highlighted, 2 OK normal, 3 Cancel
// highlighted, 4 Cancel normal.
template <typename Dialog>
void ShowDialogLooks(Dialog& dialog, bool ok_highlighted, bool cancel_highlighted) {
    dialog.ButtnOK.SetPicture(dialog.Image1(ok_highlighted ? 1 : 2).Picture());
    dialog.ButtnC.SetPicture(dialog.Image1(cancel_highlighted ? 3 : 4).Picture());
}

// The hover sound of a dialog button, once per entry: it plays when the last-hovered code is
// another button's and then holds this button's code.
inline void DialogHoverSound(FlowContext& ctx, Integer code) {
    PlayHoverSoundFor(ctx, code);
}

// Wires the pointer-over looks and sounds of a dialog: OK (code 99) and Cancel (98) light up
// and sound once per entry; the list and the background put both back and store 97.
template <typename Dialog>
void AttachDialogHover(FlowContext& ctx, Dialog& dialog) {
    dialog.ButtnOK.OnMouseMove = [&ctx, &dialog](const MouseArgs&) {
        ShowDialogLooks(dialog, true, false);
        DialogHoverSound(ctx, hover::kDialogOk);
    };
    dialog.ButtnC.OnMouseMove = [&ctx, &dialog](const MouseArgs&) {
        ShowDialogLooks(dialog, false, true);
        DialogHoverSound(ctx, hover::kDialogCancel);
    };
    const auto neutral = [&ctx, &dialog](const MouseArgs&) {
        ShowDialogLooks(dialog, false, false);
        ctx.State.LastHoveredButton = hover::kDialogNeutral;
    };
    dialog.File1.OnMouseMove = neutral;
    dialog.OnMouseMove = neutral;
}

// The sound the OK buttons play as they close their dialog: the hover sound, unless the last
// hovered button was Cancel, which it then claims.
inline void DialogOkSound(FlowContext& ctx) {
    DialogHoverSound(ctx, hover::kDialogCancel);
}

// Centres a dialog on the screen.
void CentreOnScreen(FlowContext& ctx, Window& dialog);

// Shows a warning label for one second: the dialog's message timer hides it.
void ShowForOneSecond(Label& warning, TimerControl& timer);

}  // namespace morvane
