#include "engine/runaway_delays.h"

#include <algorithm>
#include <map>

#include "base/runtime_error.h"
#include "engine/cascade.h"
#include "engine/engine_context.h"

namespace morvane {
namespace {

// "Delay1 in scene 1 and Delay1 in scene 2"
std::string DelayNames(const std::set<DelayInScene>& delays) {
    std::string names;
    std::size_t n = 0;
    for (const DelayInScene& delay : delays) {
        if (n > 0) {
            names += n + 1 == delays.size() ? " and " : ", ";
        }
        names += "Delay" + std::to_string(delay.Slot) + " in scene " + std::to_string(delay.Scene);
        ++n;
    }
    return names;
}

bool ReenteredItself(const std::vector<DelayInScene>& ticking) {
    std::map<DelayInScene, int> seen;
    return std::any_of(ticking.begin(), ticking.end(),
                       [&](const DelayInScene& delay) { return ++seen[delay] > 1; });
}

}  // namespace

DelayTickScope::DelayTickScope(EngineContext& ctx, int slot) : ctx_(ctx) {
    ctx.Runaway.Ticking.push_back(DelayInScene{ctx.State.CurrentScene, slot});
}

DelayTickScope::~DelayTickScope() {
    ctx_.Runaway.Ticking.pop_back();
    if (ctx_.Runaway.Ticking.empty()) {
        ctx_.Runaway.Started.clear();
    }
}

void NoteDelayStarted(EngineContext& ctx, int slot) {
    if (!ctx.Runaway.Ticking.empty()) {
        ctx.Runaway.Started.insert(DelayInScene{ctx.State.CurrentScene, slot});
    }
}

std::string StopRunawayDelays(EngineContext& ctx, const std::string& procedure,
                              const CascadeAbandoned& abandoned) {
    RunawayDelays& guard = ctx.Runaway;
    if (guard.Ticking.empty()) {
        return {};
    }
    std::set<DelayInScene> delays(guard.Ticking.begin(), guard.Ticking.end());
    const bool restarts_itself = !guard.Started.empty();
    delays.insert(guard.Started.begin(), guard.Started.end());
    const TimeMs now = ctx.Loop.Now();
    while (!guard.Recent.empty() && now - guard.Recent.front().At > RunawayDelays::kSpanMs) {
        guard.Recent.pop_front();
    }
    guard.Recent.push_back(RunawayDelays::Abandoned{now, delays});
    const auto repeats = static_cast<std::size_t>(
        std::count_if(guard.Recent.begin(), guard.Recent.end(),
                      [&](const RunawayDelays::Abandoned& a) { return a.Delays == delays; }));
    if (!restarts_itself && !ReenteredItself(guard.Ticking) && repeats < RunawayDelays::kRepeats) {
        return {};
    }
    // Only the delays of the scene on screen have running timers; the others are kept from
    // starting again when their scene comes back.
    for (const DelayInScene& delay : delays) {
        guard.Stopped.insert(delay);
        if (delay.Scene == ctx.State.CurrentScene) {
            ctx.View.DelayTimer(delay.Slot).SetEnabled(false);
            DelayState& state = ctx.State.Delays(delay.Slot);
            state.DelayRunning = false;
            state.DelayWaitPointer = false;
        }
    }
    guard.Recent.clear();
    guard.Started.clear();
    const std::string reason =
        "Out of stack space (rule cascade in scene " + std::to_string(abandoned.Scene) +
        " abandoned after " + std::to_string(kCascadeBound) +
        " nested calls; it keeps coming back through timers, so " + DelayNames(delays) +
        (delays.size() == 1 ? " is" : " are") + " stopped)";
    return TrapMessage(procedure,
                       RuntimeError(static_cast<int>(ErrorNumber::kOutOfStackSpace), reason));
}

bool DelayStopped(const EngineContext& ctx, int slot) {
    return ctx.Runaway.Stopped.contains(DelayInScene{ctx.State.CurrentScene, slot});
}

}  // namespace morvane
