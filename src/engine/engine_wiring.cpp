#include "engine/engine_wiring.h"

#include "engine/conversations.h"
#include "engine/delays.h"
#include "engine/movie_operations.h"
#include "engine/object_update.h"
#include "engine/scene_loader.h"

namespace morvane {

void AttachEngine(EngineContext& ctx) {
    MainView& view = ctx.View;
    for (int k = 1; k <= kSlots; ++k) {
        view.DelayTimer(k).OnTimer = [&ctx, k] { DelayTimer_Timer(ctx, k); };
        view.Animation(k).OnReadFinished = [&ctx, k] { Animation_ReadFinished(ctx, k); };
    }
    view.BlockTimer().OnTimer = [&ctx] { BlockTimer_Timer(ctx); };
    view.ScnTimer().OnTimer = [&ctx] { ScnTimer_Timer(ctx); };
    view.PostMovieTimer().OnTimer = [&ctx] { PostMovieTimer_Timer(ctx); };
    view.MovieWindow().OnPlaying = [&ctx] { MovieWindow_Playing(ctx); };
    view.MovieWindow().OnStopped = [&ctx] { MovieWindow_Stopped(ctx); };
    ConversationBox& box = view.ConvBox();
    box.OnLineMouseMove = [&ctx](int line) { ConvText_MouseMove(ctx, line); };
    box.OnBoxMouseMove = [&ctx] { ConvBox_MouseMove(ctx); };
    box.OnLineClick = [&ctx](int line) { ConvText_Click(ctx, line); };
}

}  // namespace morvane
