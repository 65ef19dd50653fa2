#include "interaction/closeup.h"

#include "engine/sound_operations.h"
#include "interaction/pointer_model.h"
#include "media/sound_channels.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

constexpr Integer kRepeating = 1;
constexpr Integer kOnce = 2;

}  // namespace

void Closeup_Load(InteractionContext& ctx) {
    Closeup& window = ctx.Win.Closeup;
    const Desktop& desktop = window.GetDesktop();
    window.Move((desktop.ScreenWidth() - window.Width()) / 2,
                (desktop.ScreenHeight() - window.Height()) / 2);
}

void Closeup_Activate(InteractionContext& ctx) {
    AnimatedPicture& picture = ctx.Win.Closeup.ClsUpImg;
    const Integer mode = ctx.Closeup.PlayMode;
    if (mode == kRepeating || mode == kOnce) {
        picture.SetSinglePass(mode == kRepeating ? Integer{0} : Integer{1});
    }
    picture.SetFrame(0);
    Pump(ctx.Engine);
    ctx.Win.Closeup.StartUpDelay.SetEnabled(true);
}

void StartUpDelay_Timer(InteractionContext& ctx) {
    Closeup& window = ctx.Win.Closeup;
    window.StartUpDelay.SetEnabled(false);
    AssignPointerImage(ctx, kNormalPointer);
    window.SetFocus(&window.Dummy);
    const CloseupValues& values = ctx.Closeup;
    if (values.PlayMode != kRepeating && values.PlayMode != kOnce) {
        return;
    }
    window.Block.SetVisible(false);
    window.ClsUpImg.Start();
    if (!values.Sound.empty()) {
        try {
            PlayWAVMVX(ctx.Engine, values.Sound, values.PlayMode == kRepeating, channel::kDialogue,
                       values.Pan, values.Volume);
        } catch (const RuntimeError& error) {
            ReportTrap(ctx.Engine, "StartUpDelay_Timer", error);
        }
    }
}

void Closeup_Command1_Click(InteractionContext& ctx) {
    Closeup& window = ctx.Win.Closeup;
    StopWav(ctx.Engine, channel::kDialogue);
    window.ClsUpImg.Stop();
    window.Hide();
    window.Block.SetVisible(true);
}

void ClsUpImg_ReadFinished(InteractionContext& ctx) {
    ctx.Closeup.Ready = true;
}

}  // namespace morvane
