#pragma once

#include <string>

#include "base/integer.h"
#include "engine/engine_context.h"

namespace morvane {

// Starts a scene movie over the scene view and returns at once; MovieFinished becomes True
// 200 ms after it stopped. A movie that cannot start counts as finished at once.
void PlayMovie(EngineContext& ctx, const std::string& FileName, Integer Volume, bool SceneLoadWaits,
               bool KeepCovered);

// Processes events until the scene movie has finished, within a bound.
void WaitForMovie(EngineContext& ctx);

// Escape on the main window: stops a scene movie that was started.
void CancelMovie(EngineContext& ctx);

// Handlers of the movie window and of PostMovieTimer.
void MovieWindow_Playing(EngineContext& ctx);
void MovieWindow_Stopped(EngineContext& ctx);
void PostMovieTimer_Timer(EngineContext& ctx);

}  // namespace morvane
