#include "engine/delays.h"

#include "base/text.h"
#include "engine/cascade.h"
#include "engine/flag_operations.h"
#include "engine/runaway_delays.h"
#include "platform/pointer_roles.h"

namespace morvane {

void DelayTimer_Timer(EngineContext& ctx, int slot) {
    const CascadeRoot root(ctx);
    GameState& s = ctx.State;
    if (s.SceneLoading || s.MapOpen || s.Examining || s.QuitQueryOpen) {
        return;  // still armed: it ticks again one interval later
    }
    ctx.View.DelayTimer(slot).SetEnabled(false);
    DelayState& delay = s.Delays(slot);
    delay.DelayRunning = false;
    LogIfOn(ctx, "Delay" + Str(slot) + " expired.");
    delay.DelayWaitPointer = false;
    bool any_waiting = false;
    for (const DelayState& other : s.Delays) {
        any_waiting = any_waiting || other.DelayWaitPointer;
    }
    if (!any_waiting) {
        ctx.View.SetPointer(kNormalPointer);
    }
    // Nothing above a timer tick traps errors: a flag change that fails is reported here and
    // play goes on.
    try {
        const DelayTickScope tick(ctx, slot);
        SetFlag(ctx, delay.DelayFlag, delay.DelayValue, delay.DelayMode);
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "DelayTimer_Timer", error);
    }
}

}  // namespace morvane
