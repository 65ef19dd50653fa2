#include "engine/flag_operations.h"

#include <algorithm>
#include <string>

#include "base/text.h"
#include "database/object_views.h"
#include "engine/cascade.h"
#include "engine/object_update.h"
#include "engine/rules.h"
#include "engine/runaway_delays.h"
#include "engine/scene_loader.h"
#include "media/sound_channels.h"
#include "platform/pointer_roles.h"

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
    if (DelayView(s.Objects(Slot)).ShowsWaitPointer() == 1) {
        delay.DelayWaitPointer = true;
        ctx.View.SetPointer(kWaitPointer);
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

namespace {

// The channel field an object kind keeps for its sound `which` (1 to 3); nothing when the kind
// has none for it.
const Integer* ChannelSetting(const GameState& state, Integer slot, Integer kind, Integer which) {
    if (which < 1 || which > 3 || kind < kAmbient || kind > kResponder ||
        (kind == kSwitch && which == 3)) {
        return nullptr;
    }
    const SceneObject& o = state.Objects(slot);
    switch (kind) {
        case kAmbient:
            return &AmbientView(o).Channel();
        case kLink: {
            const LinkView link(o);
            return which == 1   ? &link.SoundChannel()
                   : which == 2 ? &link.ClickChannel()
                                : &link.RefusalChannel();
        }
        case kGoodie: {
            const GoodieView goodie(o);
            return which == 1   ? &goodie.SoundChannel()
                   : which == 2 ? &goodie.PickUpChannel()
                                : &goodie.RefusalChannel();
        }
        case kSwitch:
            return which == 1 ? &SwitchView(o).SoundChannel() : &SwitchView(o).RefusalChannel();
        case kReactor:
            return &ReactorView(o).Channel();
        case kResponder:
            return &ResponderView(o).Channel();
        default:
            return nullptr;
    }
}

}  // namespace

Integer ObjectSoundChannel(const GameState& state, Integer Kind, Integer Slot, Integer Which) {
    const Integer* setting = ChannelSetting(state, Slot, Kind, Which);
    if (setting == nullptr) {
        return 0;
    }
    const Integer channel = *setting;
    if (Kind == kReactor && channel == -1) {
        return channel::kDialogue;
    }
    if (channel == 0) {
        // Automatic: the object channels 1 to 13, slots 14 to 20 wrapping round to 1 to 7.
        return Slot <= channel::kLastObject ? Slot
                                            : static_cast<Integer>(Slot - channel::kLastObject);
    }
    return channel;
}

}  // namespace morvane
