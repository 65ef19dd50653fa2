#include "interaction/scene_objects.h"

#include "base/text.h"
#include "engine/cascade.h"
#include "engine/database_open.h"
#include "engine/flag_operations.h"
#include "engine/movie_operations.h"
#include "engine/scene_loader.h"
#include "engine/sound_operations.h"
#include "interaction/inventory.h"
#include "interaction/map_window.h"
#include "interaction/pointer_model.h"
#include "platform/desktop.h"

namespace morvane {
namespace {

enum ObjectKind : Integer { kAmbient = 0, kLink = 1, kGoodie = 2, kSwitch = 3, kReactor = 4 };
constexpr Integer kLastKnownKind = 8;
constexpr Integer kRefusalChannel = 15;
constexpr Integer kInventoryFullChannel = 15;

std::string Num(long long value) {
    return std::to_string(value);
}

std::string Extension(const std::string& file) {
    return ToLowerAscii(file.size() >= 3 ? file.substr(file.size() - 3) : file);
}

const PicturePtr& HeldHighlight(InteractionContext& ctx) {
    return ctx.Win.ItemImages.ItemHL(ctx.State().ItemInHand).Picture();
}

// The item in hand is not the one an object needs: its own refusal sound says so.
void RefuseHeldItem(InteractionContext& ctx) {
    const InventorySlot& held = ctx.State().Slot(ctx.State().ItemInHand);
    PlayObjectSound(ctx, held.RefusalSound, kRefusalChannel, held.RefusalPan, held.RefusalVolume);
}

// After a successful use the held item is used up, or returns to its place on the bar.
void ReleaseHeldItem(InteractionContext& ctx, bool returns) {
    GameState& s = ctx.State();
    if (returns) {
        ctx.Win.Main.invitem(s.ItemInHand).SetVisible(true);
    } else {
        CompactInventoryBar(ctx, s.ItemInHand);
    }
    s.ItemInHand = kNoItemInHand;
}

void RequiresItemMessage(InteractionContext& ctx, const char* what, int index, Integer item) {
    LogIfOn(ctx.Engine, std::string("*** ") + what + " (Object #" + Num(index) +
                            ") requires Inventory Item #" + Num(item) + "!***");
}

void ClickLink(InteractionContext& ctx, Integer k) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    const SceneObject& o = s.Objects(k);
    if (o.P(33) == 1 && s.ObjUsed(k)) {
        return;
    }
    const bool needs_item = o.P(18) == 1;
    if (needs_item) {
        if (!ItemIsInHand(ctx)) {
            RequiresItemMessage(ctx, "HotSpot", k, o.P(19));
            PlayObjectSound(ctx, o.S(6), ObjectSoundChannel(s, kLink, k, 3), o.P(22), o.P(21));
            return;
        }
        if (s.SlotItem(s.ItemInHand) != o.P(19)) {
            RequiresItemMessage(ctx, "HotSpot", k, o.P(19));
            RefuseHeldItem(ctx);
            return;
        }
    }
    s.ObjUsed(k) = true;
    if (needs_item) {
        ShowPointerImage(ctx, o.P(33) == 1 || o.P(12) == 0 ? kPointerNormal : o.P(12));
        LogIfOn(e, "Inventory Item #" + Num(o.P(19)) + " used on HotSpot (Object #" + Num(k) + ")");
    } else {
        LogIfOn(e, "HotSpot (Object #" + Num(k) + ") clicked.");
    }
    const Integer action = o.P(23);
    const Integer scene = o.P(24);
    if ((action == 1 && scene != 0) || action == 2) {
        ShowPointerImage(ctx, kPointerWait);
    }
    if (!o.S(4).empty()) {
        StopWav(e, ObjectSoundChannel(s, kLink, k, 1));
    }
    if (o.P(13) == 3) {
        AnimatedPicture& picture = ctx.Win.Main.Animation(k);
        picture.SetAnimFlag(true);
        picture.Start();
    }
    if (!o.S(5).empty()) {
        PlayWAVMVX(e, o.S(5), false, ObjectSoundChannel(s, kLink, k, 2), o.P(17), o.P(16));
    }
    Pump(e);
    // The pump may have run a scene change; the object's values are read again from here on.
    const SceneObject link = s.Objects(k);
    if (needs_item && ItemIsInHand(ctx)) {
        ReleaseHeldItem(ctx, link.P(20) == 1);
    }
    if (link.P(29) == 1) {
        SetFlag(e, link.P(30), link.P(31), link.P(32));
    }
    if (link.P(23) == 2) {
        OpenMapWindow(ctx);
    } else if (link.P(24) != 0) {
        LoadScene(e, link.P(24));
    }
}

void ClickGoodie(InteractionContext& ctx, Integer k) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    const SceneObject o = s.Objects(k);
    const bool needs_item = o.P(18) == 1;
    if (needs_item) {
        if (!ItemIsInHand(ctx)) {
            RequiresItemMessage(ctx, "Goodie", k, o.P(19));
            if (!o.S(6).empty()) {
                PlayObjectSound(ctx, o.S(6), ObjectSoundChannel(s, kGoodie, k, 3), o.P(22),
                                o.P(21));
            }
            return;
        }
        if (s.SlotItem(s.ItemInHand) != o.P(19)) {
            RequiresItemMessage(ctx, "Goodie", k, o.P(19));
            RefuseHeldItem(ctx);
            return;
        }
        LogIfOn(e, "Inventory Item #" + Num(o.P(19)) + " used on Goodie (Object #" + Num(k) + ")");
    } else {
        LogIfOn(e, "Goodie (Object #" + Num(k) + ") clicked.");
    }
    if (s.InventoryCount >= kInventorySlots) {
        const GeneralRecord general = ReadGeneralRecord(s);
        PlayWAVMVX(e, general.InventoryFullSound.Trimmed(), false, kInventoryFullChannel,
                   general.InventoryFullPan, general.InventoryFullVolume);
        return;
    }
    AddInventoryItem(ctx, o.P(17), false, 0);
    if (needs_item) {
        ReleaseHeldItem(ctx, o.P(20) == 1);
    }
    if (!o.S(5).empty()) {
        const std::string kind = Extension(o.S(5));
        if (kind == "wav") {
            PlayWav(e, o.S(5), false, ObjectSoundChannel(s, kGoodie, k, 2), o.P(16), o.P(15));
        } else if (kind == "avi") {
            PlayMovie(e, o.S(5), o.P(15), true, false);
        }
    }
    if (o.P(27) == 1) {
        SetFlag(e, o.P(28), o.P(29), o.P(30));
    }
}

void ClickSwitch(InteractionContext& ctx, Integer k) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    AnimatedPicture& picture = ctx.Win.Main.Animation(k);
    if (picture.Playing()) {
        return;
    }
    const SceneObject o = s.Objects(k);
    if (o.P(19) == 1) {
        if (!ItemIsInHand(ctx)) {
            RequiresItemMessage(ctx, "Switch", k, o.P(20));
            PlayObjectSound(ctx, o.S(6), ObjectSoundChannel(s, kSwitch, k, 2), o.P(23), o.P(22));
            return;
        }
        if (s.SlotItem(s.ItemInHand) != o.P(20)) {
            RequiresItemMessage(ctx, "Switch", k, o.P(20));
            RefuseHeldItem(ctx);
            return;
        }
        LogIfOn(e, "Inventory Item #" + Num(o.P(20)) + " used on Switch (Object #" + Num(k) + ")");
        ReleaseHeldItem(ctx, o.P(21) == 1);
    } else {
        LogIfOn(e, "Switch (Object #" + Num(k) + ") clicked.");
    }
    const Integer old = s.Flags(o.P(12));
    const bool animated = picture.FrameCount() > 1;
    if (animated) {
        s.SwitchPending(k) = true;
        if (old == 0) {
            picture.SetPlaybackMode(AnimatedPicture::kForward);
        } else {
            picture.SetPlaybackMode(AnimatedPicture::kBackward);
            picture.SetFrame(static_cast<Integer>(picture.FrameCount() - 1));
        }
    }
    ctx.SwitchOldValue(k) = old;
    if (animated) {
        picture.Start();
    } else {
        SetFlag(e, o.P(12), old != 0 ? Integer{0} : o.P(16), 0);
    }
    if (old == 0) {
        if (!o.S(5).empty()) {
            PlayWav(e, o.S(5), false, ObjectSoundChannel(s, kSwitch, k, 1), o.P(18), o.P(17));
        }
    } else if (!o.S(4).empty()) {
        PlayWav(e, o.S(4), false, ObjectSoundChannel(s, kSwitch, k, 1), o.P(15), o.P(14));
    }
}

void ClickReactor(InteractionContext& ctx, Integer k) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    if (s.Objects(k).P(26) == 1 && s.ReactorUsed(k)) {
        return;
    }
    LogIfOn(e, "Reactor (Object #" + Num(k) + ") clicked.");
    s.ReactorUsed(k) = true;
    const SceneObject o = s.Objects(k);
    if (o.P(20) == 1) {
        SetFlag(e, o.P(21), o.P(22), o.P(23));
    }
    Pump(e);
    const auto play_sound = [&] {
        if (!o.S(5).empty()) {
            PlayWav(e, o.S(5), false, ObjectSoundChannel(s, kReactor, k, 1), o.P(15), o.P(14));
        }
    };
    switch (o.P(12)) {
        case 1:
        case 2:
            play_sound();
            break;
        case 3:
        case 4:
            if (!o.S(4).empty()) {
                PlayMovie(e, o.S(4), o.P(13), true, false);
            }
            break;
        case 5: {
            AnimatedPicture& picture = ctx.Win.Main.Animation(k);
            picture.SetAnimFlag(true);
            picture.Start();
            play_sound();
            break;
        }
        default:
            break;
    }
    if (o.P(24) == 1) {
        AddMapLocation(e, o.P(25));
    }
}

void ReportUnknownKind(InteractionContext& ctx) {
    ctx.Win.Main.GetDesktop().ShowMessageBox(
        {"Outdated version of Morvane Player",
         "This object type is unknown!  This program appears to have been\r"
         "created using a newer version of Morvane.  Updates to the Morvane Player\r"
         "are free for everyone. Please get a newer version of the Morvane Player from "
         "https://github.com/morvane-player.",
         MsgBoxButtons::kOkOnly, MsgBoxIcon::kExclamation});
}

}  // namespace

void PlayObjectSound(InteractionContext& ctx, const std::string& file, Integer channel, Long pan,
                     Long volume) {
    if (!file.empty()) {
        PlayWAVMVX(ctx.Engine, file, false, channel, pan, volume);
        return;
    }
    const GeneralRecord general = ReadGeneralRecord(ctx.State());
    const std::string fallback = general.ItemRequiredSound.Trimmed();
    if (!fallback.empty()) {
        PlayWAVMVX(ctx.Engine, fallback, false, channel, general.ItemRequiredPan,
                   general.ItemRequiredVolume);
    }
}

void Animation_MouseMove(InteractionContext& ctx, int Index) {
    HoverReset(ctx, false);
    GameState& s = ctx.State();
    if (s.SceneLoading || WaitPointerShown(ctx)) {
        return;
    }
    const SceneObject& o = s.Objects(Index);
    if (ConversationLocked(ctx) && o.Kind != kGoodie) {
        return;
    }
    const bool in_hand = ItemIsInHand(ctx);
    switch (o.Kind) {
        case kAmbient:
            if (in_hand) {
                ShowPointer(ctx, ctx.Win.Main.FlashFixIcon.Picture());
            } else {
                ShowPointerImage(ctx, kPointerNormal);
            }
            return;
        case kLink:
            if (o.P(33) == 1 && s.ObjUsed(Index)) {
                ShowPointerImage(ctx, kPointerNormal);
            } else if (o.P(18) == 1 && in_hand) {
                ShowPointer(ctx, HeldHighlight(ctx));
            } else {
                ShowPointerImage(ctx, o.P(12) == 0 ? kPointerNormal : o.P(12));
            }
            return;
        case kGoodie:
            if (o.P(18) == 1 && in_hand) {
                ShowPointer(ctx, HeldHighlight(ctx));
            } else {
                ShowPointerImage(ctx, kPointerGoodie);
            }
            return;
        case kSwitch:
            if (o.P(19) == 1 && in_hand) {
                ShowPointer(ctx, HeldHighlight(ctx));
            } else {
                ShowPointerImage(ctx, kPointerHotSpot);
            }
            return;
        case kReactor:
            ShowPointerImage(
                ctx, o.P(26) == 1 && s.ReactorUsed(Index) ? kPointerNormal : kPointerReactor);
            return;
        default:
            if (o.Kind > kLastKnownKind) {
                ShowPointerImage(ctx, kPointerHotSpot);
            }
            return;
    }
}

void Animation_Click(InteractionContext& ctx, int Index) {
    const CascadeRoot root(ctx.Engine);
    if (WaitPointerShown(ctx)) {
        return;
    }
    const Integer kind = ctx.State().Objects(Index).Kind;
    if (ConversationLocked(ctx) && kind != kGoodie) {
        return;
    }
    // Nothing above a click traps errors: a failure is reported here and play goes on.
    try {
        switch (kind) {
            case kLink:
                ClickLink(ctx, static_cast<Integer>(Index));
                break;
            case kGoodie:
                ClickGoodie(ctx, static_cast<Integer>(Index));
                break;
            case kSwitch:
                ClickSwitch(ctx, static_cast<Integer>(Index));
                break;
            case kReactor:
                ClickReactor(ctx, static_cast<Integer>(Index));
                break;
            default:
                if (kind > kLastKnownKind) {
                    ReportUnknownKind(ctx);
                }
                break;
        }
    } catch (const RuntimeError& error) {
        ReportTrap(ctx.Engine, "Animation_Click", error);
    }
}

void Animation_PlayFinished(InteractionContext& ctx, int Index) {
    const CascadeRoot root(ctx.Engine);
    GameState& s = ctx.State();
    const SceneObject& o = s.Objects(Index);
    if (o.Kind != kSwitch || !s.SwitchPending(Index)) {
        return;
    }
    s.SwitchPending(Index) = false;
    const Integer flag = o.P(12);
    const Integer value = ctx.SwitchOldValue(Index) != 0 ? Integer{0} : o.P(16);
    try {
        SetFlag(ctx.Engine, flag, value, 0);
    } catch (const RuntimeError& error) {
        ReportTrap(ctx.Engine, "Animation_PlayFinished", error);
    }
}

}  // namespace morvane
