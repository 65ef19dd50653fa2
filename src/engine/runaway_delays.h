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
// sets a flag whose responder jumps to the other scene, so each delay's tick loads the scene
// that starts the other. Every lap pumps events while loading, so the ticks nest until the
// cascade bound abandons them, and then the loop starts again. The guard watches the cascades
// that delays start: when one is abandoned with a delay ticking inside its own cascade, or when
// the same delays' cascade is abandoned again and again within a short span of game time, those
// delays are stopped for the rest of the run, one message says so, and play goes on.
struct RunawayDelays {
    // How many abandoned cascades of the same delays within the span make a runaway loop.
    static constexpr std::size_t kRepeats = 3;
    static constexpr TimeMs kSpanMs = 10'000;

    struct Abandoned {
        TimeMs At = 0;
        std::set<DelayInScene> Delays;
    };

    // The delay ticks running now, outermost first.
    std::vector<DelayInScene> Ticking;
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

}  // namespace morvane
