#pragma once

#include <compare>
#include <cstddef>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "base/integer.h"
#include "platform/clock.h"

namespace morvane {

struct EngineContext;
struct CascadeAbandoned;

// One delay as it takes part in a cascade: the slot of its scene.
struct DelayInScene {
    Integer Scene = 0;
    int Slot = 0;
    auto operator<=>(const DelayInScene&) const = default;
};

// Rules can loop through timers instead of recursion: in each of two scenes a zero-second delay
// adds to a flag whose responder jumps to the other scene, so each delay's tick starts a cascade
// that loads scenes and starts their delays again. The cascade bound abandons it, the delays it
// started tick, and the loop comes back for ever. The guard watches the cascades that delay ticks
// start. One is a runaway loop when, abandoned, it had started delays of its own (they would
// only start it again), when a delay ticked again inside it, or when the same delays' cascade
// is abandoned again and again within a short span of game time. Then the delays taking part
// are stopped for the rest of the run, one message says so instead of the usual one, and play
// goes on.
struct RunawayDelays {
    // How many abandoned cascades of the same delays within the span make a runaway loop.
    static constexpr std::size_t kRepeats = 3;
    static constexpr TimeMs kSpanMs = 10'000;

    struct Abandoned {
        TimeMs At = 0;
        std::set<DelayInScene> Delays;
    };

    // The delay ticks running now, outermost first, and the delays their cascade has started.
    std::vector<DelayInScene> Ticking;
    std::set<DelayInScene> Started;
    // Recent abandoned cascades that delays took part in, oldest first, none older than the span.
    std::deque<Abandoned> Recent;
    // Delays that may not start again.
    std::set<DelayInScene> Stopped;
};

// Marks a delay's tick for as long as it runs.
class DelayTickScope {
  public:
    DelayTickScope(EngineContext& ctx, int slot);
    ~DelayTickScope();
    DelayTickScope(const DelayTickScope&) = delete;
    DelayTickScope& operator=(const DelayTickScope&) = delete;

  private:
    EngineContext& ctx_;
};

// Called when a cascade is abandoned. When the delays ticking inside it loop, stops them and
// returns the one message that says so; otherwise returns nothing and the usual message is
// shown.
std::string StopRunawayDelays(EngineContext& ctx, const std::string& procedure,
                              const CascadeAbandoned& abandoned);

// True when the delay in `slot` of the current scene was stopped as part of a runaway loop.
bool DelayStopped(const EngineContext& ctx, int slot);

// Notes that the delay in `slot` of the current scene starts, inside a delay's cascade or not.
void NoteDelayStarted(EngineContext& ctx, int slot);

}  // namespace morvane
