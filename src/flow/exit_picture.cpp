#include "flow/exit_picture.h"

#include "engine/game_folder.h"
#include "flow/shutdown.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"

namespace morvane {
namespace {

constexpr int kButtonGap = 12;

void NagForm_Load(FlowContext& ctx) {
    NagForm& nag = ctx.Windows.NagForm;
    Desktop& desktop = ctx.GetDesktop();
    desktop.SetTopmost(nag, true);
    // A picture that cannot be read leaves the window plain; its button still ends the program.
    const PicturePtr picture =
        desktop.Pictures().Load(GfxPath(ctx.State, ctx.State.Settings.ExitPicture)).picture;
    const int width = picture ? picture->Width() : 0;
    const int height = picture ? picture->Height() : 0;
    nag.Picture1.SetPicture(picture);
    nag.Picture1.Move(desktop.ScreenWidth() / 2 - width / 2,
                      desktop.ScreenHeight() / 2 - height / 2, width, height);
    nag.Timer1.SetEnabled(true);
}

void NagForm_Timer1(FlowContext& ctx) {
    NagForm& nag = ctx.Windows.NagForm;
    nag.Timer1.SetEnabled(false);
    Button& ok = nag.Command1;
    const int below = nag.Picture1.Top() + nag.Picture1.Height() + kButtonGap;
    const int top = std::min(below, nag.Height() - ok.Height() - kButtonGap);
    ok.Move(nag.Picture1.Left() + nag.Picture1.Width() / 2 - ok.Width() / 2, top);
}

}  // namespace

void ShowExitPicture(FlowContext& ctx) {
    ctx.Windows.NagForm.ShowModal();
}

void AttachExitPicture(FlowContext& ctx) {
    NagForm& nag = ctx.Windows.NagForm;
    nag.OnLoad = [&ctx] { NagForm_Load(ctx); };
    nag.Timer1.OnTimer = [&ctx] { NagForm_Timer1(ctx); };
    nag.Command1.OnClick = [&ctx] { ShutDown(ctx); };
}

}  // namespace morvane
