#include "flow/flow_context.h"

#include "engine/button_sounds.h"
#include "engine/game_folder.h"
#include "media/sound_channels.h"
#include "platform/desktop.h"

namespace morvane {
void Pump(FlowContext& ctx) {
    ctx.GetDesktop().Loop().PumpEvents();
}

bool WaitFor(FlowContext& ctx, const std::function<bool()>& condition, TimeMs bound_ms) {
    return ctx.GetDesktop().Loop().WaitUntil(condition, bound_ms);
}

bool WaitForUser(FlowContext& ctx, const std::function<bool()>& condition, TimeMs bound_ms) {
    return ctx.GetDesktop().Loop().RunMainLoop(condition, bound_ms);
}

void ShowPointer(FlowContext& ctx, int image) {
    const PicturePtr& picture = ctx.Windows.MousePoint.Pointer(image).Picture();
    if (picture != nullptr) {
        ctx.GetDesktop().Pointer().ShowPicture(picture);
    }
}

bool PointerIs(const FlowContext& ctx, int image) {
    const PicturePtr& picture = ctx.Windows.MousePoint.Pointer(image).Picture();
    const ScreenPointer& pointer = ctx.GetDesktop().Pointer();
    return picture != nullptr && pointer.Mode() == ScreenPointer::kCustom && pointer.Shows(picture);
}

void ShowMessage(FlowContext& ctx, const std::string& title, const std::string& text,
                 MsgBoxIcon icon) {
    ctx.GetDesktop().ShowMessageBox({title, text, MsgBoxButtons::kOkOnly, icon});
}

void ReportTrap(FlowContext& ctx, const std::string& procedure, const RuntimeError& error) {
    ShowMessage(ctx, kApplicationTitle, TrapMessage(procedure, error), MsgBoxIcon::kCritical);
}

void PlayClickSound(FlowContext& ctx) {
    const GeneralSettings& s = ctx.State.Settings;
    if (!s.ClickSound.empty()) {
        ctx.Services.PlaySound(s.ClickSound, false, channel::kButtons, s.ClickPan, s.ClickVolume);
    }
}

void PlayHoverSoundFor(FlowContext& ctx, Integer code) {
    const GeneralSettings& s = ctx.State.Settings;
    if (EntersHoverButton(ctx.State, code)) {
        ctx.Services.PlaySound(s.MouseOverSound, false, channel::kButtons, s.MouseOverPan,
                               s.MouseOverVolume);
    }
}

}  // namespace morvane
