#include "engine/movie_operations.h"

#include "engine/cascade.h"
#include "engine/sound_operations.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

inline constexpr int kPostMovieMs = 200;

struct MovieSize {
    int width;
    int height;
};

// Size mode 0 fills the scene view; 1 makes the movie 400 wide and changes its height by as much
// as its width differs from 400 (401 for narrow movies); any other mode keeps the movie's size.
MovieSize SizeFor(Integer mode, int width, int height) {
    if (mode == 0) {
        return {MainView::kSceneWidth, MainView::kSceneHeight};
    }
    if (mode == 1) {
        if (width >= 401) {
            return {400, height - (width - 400)};
        }
        return {400, height + (401 - width)};
    }
    return {width, height};
}

}  // namespace

void PlayMovie(EngineContext& ctx, const std::string& FileName, Integer Volume, bool SceneLoadWaits,
               bool KeepCovered) {
    GameState& s = ctx.State;
    LogIfOn(ctx, "Play movie: '" + FileName + "'.");
    ctx.Trace.Movie(FileName, Volume);
    try {
        const std::string path = MediaFile(ctx, FileName).string();
        ctx.View.SetPointer(kWaitPointer);
        ctx.KeepCovered = KeepCovered;
        s.MovieFinished = false;
        s.MovieWaitRequested = SceneLoadWaits;
        ctx.View.SetMovieBackdropVisible(true);
        MovieScreen& movie = ctx.View.MovieWindow();
        movie.Open(path);
        const MovieSize size =
            SizeFor(s.Settings.MovieSizeMode, movie.NativeWidth(), movie.NativeHeight());
        movie.Place(MainView::kSceneWidth / 2 - size.width / 2,
                    MainView::kSceneHeight / 2 - size.height / 2, size.width, size.height);
        movie.Play(Volume);
        Pump(ctx);
        ctx.MovieStarted = true;
        Pump(ctx);
    } catch (const RuntimeError& error) {
        ctx.MovieStarted = false;
        ReportMediaFileProblem(ctx, FileName, error);
        ShowMessage(ctx,
                    "Error playing AVI: '" + FileName + "'\rErr #" +
                        std::to_string(error.Number()) + " / " + error.Description(),
                    MsgBoxIcon::kNone);
        // A movie that never started will never report its end: it counts as finished, so no
        // load waits for it and the pointer does not stay busy.
        ctx.View.SetMovieBackdropVisible(false);
        s.MovieFinished = true;
        if (!s.SceneLoading) {
            ctx.View.SetPointer(kNormalPointer);
        }
    }
}

void WaitForMovie(EngineContext& ctx) {
    GameState& s = ctx.State;
    if (!WaitFor(
            ctx, [&] { return s.MovieFinished; }, kMovieBoundMs)) {
        // The movie window never reported the end: go on as if it had.
        ctx.View.SetMovieBackdropVisible(false);
        s.MovieFinished = true;
    }
}

void CancelMovie(EngineContext& ctx) {
    if (!ctx.MovieStarted) {
        return;
    }
    ctx.View.MovieWindow().Stop();
    LogIfOn(ctx, "Movie playback cancelled by user.");
}

void MovieWindow_Playing(EngineContext& ctx) {
    if (ctx.View.BlockVisible()) {
        ctx.View.SetBlockVisible(false);
    }
}

void MovieWindow_Stopped(EngineContext& ctx) {
    ctx.View.SetBlockVisible(true);
    ctx.View.SetMovieBackdropVisible(false);
    ctx.View.MovieWindow().Close();
    ctx.View.SetPointer(kWaitPointer);
    Pump(ctx);
    Timer& timer = ctx.View.PostMovieTimer();
    timer.SetInterval(kPostMovieMs);
    timer.SetEnabled(true);
}

void PostMovieTimer_Timer(EngineContext& ctx) {
    ctx.View.PostMovieTimer().SetEnabled(false);
    if (!ctx.KeepCovered) {
        ctx.View.SetBlockVisible(false);
    }
    ctx.View.SetPointer(kNormalPointer);
    ctx.State.MovieFinished = true;
}

}  // namespace morvane
