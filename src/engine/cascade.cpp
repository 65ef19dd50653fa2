#include "engine/cascade.h"

#include "engine/runaway_delays.h"
#include "engine/scene_loader.h"

namespace morvane {

void ReportAbandonedCascade(EngineContext& ctx, const std::string& procedure,
                            const CascadeAbandoned& abandoned) {
    GameState& s = ctx.State;
    // A rule's scene request from the abandoned cascade must not be acted on later by an
    // unrelated flag change.
    s.LoadedNewScene = false;
    const std::string runaway = StopRunawayDelays(ctx, procedure, abandoned);
    if (!runaway.empty()) {
        ShowMessage(ctx, runaway, MsgBoxIcon::kCritical);
    } else {
        const RuntimeError error(static_cast<int>(ErrorNumber::kOutOfStackSpace),
                                 "Out of stack space (rule cascade in scene " +
                                     std::to_string(abandoned.Scene) + " abandoned after " +
                                     std::to_string(kCascadeBound) + " nested calls)");
        ReportTrap(ctx, procedure, error);
    }
    if (s.SceneLoading) {
        ReleaseSceneInput(ctx);
    }
}

}  // namespace morvane
