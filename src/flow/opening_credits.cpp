#include "flow/opening_credits.h"

#include "engine/game_folder.h"
#include "platform/desktop.h"

namespace morvane {
namespace {

constexpr int kStillCreditsMs = 2000;

void EndCredits(FlowContext& ctx) {
    ctx.Flow.UserLogoDone = true;
    ctx.Flow.UserLogoShowing = false;
}

void UserLogoTimer_Timer(FlowContext& ctx) {
    StartForm& start = ctx.Windows.StartForm;
    start.UserLogoTimer.SetEnabled(false);
    start.UserAnimLogo.SetVisible(false);
    EndCredits(ctx);
}

void UserAnimLogo_ReadFinished(FlowContext& ctx) {
    StartForm& start = ctx.Windows.StartForm;
    AnimatedPicture& logo = start.UserAnimLogo;
    if (logo.LoadError()) {
        // Credits that cannot be read would otherwise hold start-up for ever.
        ReportTrap(ctx, "PlayOpenCredsGif", RuntimeError(*logo.LoadError()));
        EndCredits(ctx);
        return;
    }
    logo.Move(start.Width() / 2 - logo.PictureWidth() / 2,
              start.Height() / 2 - logo.PictureHeight() / 2);
    logo.SetSinglePass(1);
    logo.SetVisible(true);
    if (logo.FrameCount() < 2) {
        start.UserLogoTimer.SetInterval(kStillCreditsMs);
        start.UserLogoTimer.SetEnabled(true);
    } else {
        start.UserLogoTimer.SetInterval(1);
        logo.Start();
    }
}

void UserAVILogo_ModeChange(FlowContext& ctx, int mode) {
    if (mode != MovieControl::kModeStopped) {
        return;
    }
    ctx.Windows.StartForm.UserAVILogo.SetVisible(false);
    EndCredits(ctx);
}

}  // namespace

void PlayOpenCredsGif(FlowContext& ctx, const std::string& fileName) {
    try {
        ctx.Flow.UserLogoShowing = true;
        ctx.Windows.StartForm.UserAnimLogo.Load(GfxPath(ctx.State, fileName));
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "PlayOpenCredsGif", error);
        EndCredits(ctx);
    }
}

void PlayOpenCredsAVI(FlowContext& ctx, const std::string& fileName) {
    MovieControl& movie = ctx.Windows.StartForm.UserAVILogo;
    try {
        ctx.Flow.UserLogoShowing = true;
        movie.SetVisible(false);
        movie.SetBorderStyle(1);
        movie.SetPlaybar(false);
        movie.SetMenu(false);
        movie.SetErrorDialog(false);
        ctx.Services.TraceMovie(fileName, movie.Volume());
        movie.SetFileName(MediaPath(ctx.State, fileName));
        const Desktop& desktop = ctx.GetDesktop();
        movie.Move(desktop.ScreenWidth() / 2 - movie.Width() / 2,
                   desktop.ScreenHeight() / 2 - movie.Height() / 2);
        movie.SetVisible(true);
        movie.SetCommand("play");
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "PlayOpenCredsAVI", error);
        // A movie that never started never reports its end: start-up goes on at once.
        movie.SetVisible(false);
        EndCredits(ctx);
    }
}

void WaitForCredits(FlowContext& ctx) {
    const MovieControl& movie = ctx.Windows.StartForm.UserAVILogo;
    const TimeMs bound = movie.Visible() ? movie.MovieLength() + kMovieOverrunMs : kCreditsBoundMs;
    if (!WaitForUser(
            ctx, [&ctx] { return !ctx.Flow.UserLogoShowing; }, bound)) {
        // Nothing ended the credits: they end here, as Escape would end them.
        SkipCredits(ctx);
        EndCredits(ctx);
    }
}

void SkipCredits(FlowContext& ctx) {
    StartForm& start = ctx.Windows.StartForm;
    if (start.UserAnimLogo.Visible()) {
        start.UserLogoTimer.SetInterval(1);
        start.UserAnimLogo.Stop();
        start.UserAnimLogo.SetVisible(false);
        start.UserLogoTimer.SetEnabled(true);
    } else if (start.UserAVILogo.Visible()) {
        start.UserAVILogo.SetCommand("stop");
        start.UserAVILogo.SetVisible(false);
    } else if (ctx.Flow.UserLogoShowing) {
        // Credits still being read, or that failed to show: Escape ends the wait too.
        EndCredits(ctx);
    }
}

void AttachOpeningCredits(FlowContext& ctx) {
    StartForm& start = ctx.Windows.StartForm;
    start.UserLogoTimer.OnTimer = [&ctx] { UserLogoTimer_Timer(ctx); };
    start.UserAnimLogo.OnReadFinished = [&ctx] { UserAnimLogo_ReadFinished(ctx); };
    start.UserAnimLogo.OnPlayFinished = [&ctx] {
        ctx.Windows.StartForm.UserLogoTimer.SetEnabled(true);
    };
    start.UserAnimLogo.OnStep = [&ctx] {
        AnimatedPicture& logo = ctx.Windows.StartForm.UserAnimLogo;
        if (logo.Frame() == logo.FrameCount()) {
            logo.Stop();
        }
    };
    start.UserAVILogo.OnModeChangeEx = [&ctx](int mode) { UserAVILogo_ModeChange(ctx, mode); };
}

}  // namespace morvane
