#include "engine/flag_operations.h"

#include <algorithm>
#include <string>

#include "base/text.h"
#include "engine/cascade.h"
#include "engine/object_update.h"
#include "engine/rules.h"
#include "engine/runaway_delays.h"
#include "engine/scene_loader.h"

namespace morvane {

void SetFlag(EngineContext& ctx, Integer FlagNo, Integer Value, Integer Mode) {
    RunCascadeStep(ctx, "SetFlag", [&] {
        GameState& s = ctx.State;
        if (FlagNo == 0) {
            return;
        }
        s.LastFlagSet = FlagNo;
        if (Mode == 0) {
            s.Flags(FlagNo) = Value;
            LogIfOn(ctx, "<Flag" + Str(FlagNo) + "> Set to " + Str(Value));
        } else if (Mode == 1) {
            const Integer sum = AddInteger(s.Flags(FlagNo), Value);
            s.Flags(FlagNo) = sum;
            LogIfOn(ctx,
                    "<Flag" + Str(FlagNo) + "> Add" + Str(Value) + " (Value =" + Str(sum) + ")");
        }
        if (FlagNo == s.ScoreFlag) {
            ctx.View.SetScoreCaptions(std::to_string(s.Flags(FlagNo)));
        }
        CheckHiddenObjects(ctx);
        Pump(ctx);
        if (s.LoadedNewScene) {
            LoadScene(ctx, s.NewScene);
        } else {
            UpdateObjData2(ctx);
        }
    });
}

void AddMapLocation(EngineContext& ctx, Integer LocationNo) {
    if (LocationNo == 0) {
        return;
    }
    if (LocationNo < 0 || LocationNo > kMapLocations) {
        // Game data can name a location the map has no place for: it is left out, not fatal.
        LogIfOn(ctx, "Location #" + std::to_string(LocationNo) +
                         " not added to Map - the map holds locations 1 to 20.");
        return;
    }
    ctx.State.Locations(LocationNo).Available = 1;
    ctx.View.ShowMapMarker(LocationNo);
    LogIfOn(ctx, "Location #" + std::to_string(LocationNo) + " added to Map.");
}

void StartDelay(EngineContext& ctx, Integer Slot, Integer Seconds) {
    GameState& s = ctx.State;
    if (DelayStopped(ctx, Slot)) {
        LogIfOn(ctx, "Delay" + Str(Slot) + " not started - stopped after a runaway loop.");
        return;
    }
    Integer interval = 0;
    if (Seconds == 0) {
        interval = 1;
    } else if (Seconds > 0) {
        // The interval is a 16-bit value, so a delay of more than 32 seconds overflows.
        interval = MulInteger(Seconds, 1000);
    }
    DelayState& delay = s.Delays(Slot);
    if (s.Objects(Slot).P(20) == 1) {
        delay.DelayWaitPointer = true;
        ctx.View.SetPointer(MainView::kWaitPointer);
    }
    LogIfOn(ctx, "Delay" + Str(Slot) + " started.");
    NoteDelayStarted(ctx, Slot);
    Timer& timer = ctx.View.DelayTimer(Slot);
    if (timer.Enabled()) {
        timer.SetEnabled(false);
    }
    // The timer ticks no faster than its resolution: a zero-second delay waits one tick.
    timer.SetInterval(interval > 0 ? std::max<int>(interval, kTimerResolutionMs) : 0);
    timer.SetEnabled(true);
    delay.DelayRunning = true;
    delay.DelayMs = interval;
}

Integer ObjectSoundChannel(const GameState& state, Integer Kind, Integer Slot, Integer Which) {
    int field = 0;
    const bool first_three = Which >= 1 && Which <= 3;
    switch (Kind) {
        case 0:
            field = first_three ? 26 : 0;
            break;
        case 1:
            field = first_three ? 33 + Which : 0;
            break;
        case 2:
            field = first_three ? 30 + Which : 0;
            break;
        case 3:
            field = Which == 1 || Which == 2 ? 27 + Which : 0;
            break;
        case 4:
            field = first_three ? 27 : 0;
            break;
        case 5:
            field = first_three ? 32 : 0;
            break;
        default:
            break;
    }
    if (field == 0) {
        return 0;
    }
    const Integer channel = state.Objects(Slot).P(field);
    if (Kind == 4 && channel == -1) {
        return 15;
    }
    if (channel == 0) {
        // Automatic: the object channels 1 to 13, slots 14 to 20 wrapping round to 1 to 7.
        return Slot <= 13 ? Slot : static_cast<Integer>(Slot - 13);
    }
    return channel;
}

}  // namespace morvane
