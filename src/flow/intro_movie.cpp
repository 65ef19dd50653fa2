#include "flow/intro_movie.h"

#include "engine/game_folder.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

void UserIntroMovie_ModeChange(FlowContext& ctx, const std::string& mode) {
    if (mode == "stopped" && ctx.Flow.IntroPlaying) {
        ctx.Windows.IntroFrm.UserIntroTimer.SetEnabled(true);
        ShowPointer(ctx, kWaitPointer);
    }
}

void UserIntroTimer_Timer(FlowContext& ctx) {
    IntroFrm& intro = ctx.Windows.IntroFrm;
    intro.UserIntroTimer.SetEnabled(false);
    intro.UserIntroMovie.SetVisible(false);
    intro.UserIntro.SetVisible(false);
    intro.Hide();
    Pump(ctx);
    ctx.Flow.IntroDone = true;
}

void IntroFrm_KeyDown(FlowContext& ctx, int& key_code) {
    if (key_code == key::kEscape && ctx.Windows.IntroFrm.Visible()) {
        IntroFrm& intro = ctx.Windows.IntroFrm;
        ShowPointer(ctx, kWaitPointer);
        ctx.Flow.IntroPlaying = false;
        intro.UserIntroMovie.SetCommand("stop");
        intro.UserIntro.Stop();
        intro.UserIntroTimer.SetEnabled(true);
    }
    key_code = 0;
}

}  // namespace

MovieSize SizeForMode(Integer mode, int movie_width, int movie_height) {
    if (mode == 0) {
        return {700, 475};
    }
    if (mode == 1) {
        if (movie_width >= 401) {
            return {400, movie_height - (movie_width - 400)};
        }
        return {400, movie_height + (401 - movie_width)};
    }
    return {movie_width, movie_height};
}

void PlayIntroAVI(FlowContext& ctx, const std::string& fileName, Integer volume) {
    IntroFrm& intro = ctx.Windows.IntroFrm;
    MovieControl& movie = intro.UserIntroMovie;
    try {
        const std::string path = MediaPath(ctx.State, fileName);
        ShowPointer(ctx, kNormalPointer);
        ctx.Flow.IntroDone = false;
        ctx.Flow.IntroPlaying = true;
        movie.SetPlaybar(false);
        movie.SetBorderStyle(1);
        ctx.Services.TraceMovie(fileName, volume);
        movie.SetFileName(path);
        Pump(ctx);
        ShowPointer(ctx, kWaitPointer);
        const MovieSize size =
            SizeForMode(ctx.State.Settings.MovieSizeMode, movie.MovieWidth(), movie.MovieHeight());
        const Desktop& desktop = ctx.GetDesktop();
        movie.Move(desktop.ScreenWidth() / 2 - size.width / 2,
                   desktop.ScreenHeight() / 2 - size.height / 2, size.width, size.height);
        movie.SetVisible(true);
        intro.Show();
        movie.SetCommand("play");
        movie.SetVolume(volume);
        Pump(ctx);
        const TimeMs bound =
            movie.MovieLength() + intro.UserIntroTimer.Interval() + kMovieOverrunMs;
        if (!WaitForUser(
                ctx, [&ctx] { return ctx.Flow.IntroDone; }, bound)) {
            // The movie never reported its end: the window closes as after Escape.
            ctx.Flow.IntroPlaying = false;
            movie.SetCommand("stop");
            UserIntroTimer_Timer(ctx);
        }
        ShowPointer(ctx, kNormalPointer);
    } catch (const RuntimeError& error) {
        ctx.Flow.IntroPlaying = false;
        movie.SetVisible(false);
        intro.Hide();
        ShowPointer(ctx, kNormalPointer);
        ReportTrap(ctx, "PlayIntroAVI", error);
    }
}

void AttachIntroWindow(FlowContext& ctx) {
    IntroFrm& intro = ctx.Windows.IntroFrm;
    intro.UserIntroMovie.OnModeChange = [&ctx](const std::string& mode) {
        UserIntroMovie_ModeChange(ctx, mode);
    };
    intro.UserIntroTimer.OnTimer = [&ctx] { UserIntroTimer_Timer(ctx); };
    intro.OnKeyDown = [&ctx](int& key_code, int) { IntroFrm_KeyDown(ctx, key_code); };
    intro.OnKeyPress = [](int& key_ascii) { key_ascii = 0; };
    // The button would hide the window without ending the wait for it; the window closes by
    // Escape or by the movie's end.
    intro.Command1.OnClick = [] {};
}

}  // namespace morvane
