#include "interaction/scene_objects.h"

#include "base/text.h"
#include "database/object_views.h"
#include "engine/cascade.h"
#include "engine/database_open.h"
#include "engine/flag_operations.h"
#include "engine/movie_operations.h"
#include "engine/scene_loader.h"
#include "engine/sound_operations.h"
#include "interaction/inventory.h"
#include "interaction/map_window.h"
#include "interaction/pointer_model.h"
#include "media/sound_channels.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

// The last kind this player's clicks know; anything above is from a newer authoring system.
constexpr Integer kLastKnownKind = kConversation;

std::string Num(long long value) {
    return std::to_string(value);
}

const PicturePtr& HeldHighlight(InteractionContext& ctx) {
    return ctx.Win.ItemImages.ItemHL(ctx.State().ItemInHand).Picture();
}

// The item in hand is not the one an object needs: its own refusal sound says so.
void RefuseHeldItem(InteractionContext& ctx) {
    const InventorySlot& held = ctx.State().Slot(ctx.State().ItemInHand);
    PlayObjectSound(ctx, held.RefusalSound, channel::kDialogue, held.RefusalPan,
                    held.RefusalVolume);
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
    const LinkView o(s.Objects(k));
    if (o.OneShot() == 1 && s.ObjUsed(k)) {
        return;
    }
    const bool needs_item = o.NeedsItem() == 1;
    if (needs_item) {
        if (!ItemIsInHand(ctx)) {
            RequiresItemMessage(ctx, "HotSpot", k, o.Item());
            PlayObjectSound(ctx, o.RefusalSound(), ObjectSoundChannel(s, kLink, k, 3),
                            o.RefusalPan(), o.RefusalVolume());
            return;
        }
        if (s.SlotItem(s.ItemInHand) != o.Item()) {
            RequiresItemMessage(ctx, "HotSpot", k, o.Item());
            RefuseHeldItem(ctx);
            return;
        }
    }
    s.ObjUsed(k) = true;
    if (needs_item) {
        ShowPointerImage(ctx, o.OneShot() == 1 || o.Pointer() == 0 ? kNormalPointer : o.Pointer());
        LogIfOn(e,
                "Inventory Item #" + Num(o.Item()) + " used on HotSpot (Object #" + Num(k) + ")");
    } else {
        LogIfOn(e, "HotSpot (Object #" + Num(k) + ") clicked.");
    }
    const Integer action = o.Action();
    const Integer scene = o.Scene();
    if ((action == 1 && scene != 0) || action == 2) {
        ShowPointerImage(ctx, kWaitPointer);
    }
    if (!o.Sound().empty()) {
        StopWav(e, ObjectSoundChannel(s, kLink, k, 1));
    }
    if (o.Style() == 3) {
        AnimatedPicture& picture = ctx.Win.Main.Animation(k);
        picture.SetAnimFlag(true);
        picture.Start();
    }
    if (!o.ClickSound().empty()) {
        PlayWAVMVX(e, o.ClickSound(), false, ObjectSoundChannel(s, kLink, k, 2), o.ClickPan(),
                   o.ClickVolume());
    }
    Pump(e);
    // The pump may have run a scene change; the object's values are read again from here on.
    const SceneObject now = s.Objects(k);
    const LinkView link(now);
    if (needs_item && ItemIsInHand(ctx)) {
        ReleaseHeldItem(ctx, link.KeepsItem() == 1);
    }
    if (link.SetsFlag() == 1) {
        const FlagChange change = link.Change();
        SetFlag(e, change.Flag, change.Value, change.Mode);
    }
    if (link.Action() == 2) {
        OpenMapWindow(ctx);
    } else if (link.Scene() != 0) {
        LoadScene(e, link.Scene());
    }
}

void ClickGoodie(InteractionContext& ctx, Integer k) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    const SceneObject copy = s.Objects(k);
    const GoodieView o(copy);
    const bool needs_item = o.NeedsItem() == 1;
    if (needs_item) {
        if (!ItemIsInHand(ctx)) {
            RequiresItemMessage(ctx, "Goodie", k, o.Item());
            if (!o.RefusalSound().empty()) {
                PlayObjectSound(ctx, o.RefusalSound(), ObjectSoundChannel(s, kGoodie, k, 3),
                                o.RefusalPan(), o.RefusalVolume());
            }
            return;
        }
        if (s.SlotItem(s.ItemInHand) != o.Item()) {
            RequiresItemMessage(ctx, "Goodie", k, o.Item());
            RefuseHeldItem(ctx);
            return;
        }
        LogIfOn(e, "Inventory Item #" + Num(o.Item()) + " used on Goodie (Object #" + Num(k) + ")");
    } else {
        LogIfOn(e, "Goodie (Object #" + Num(k) + ") clicked.");
    }
    if (s.InventoryCount >= kInventorySlots) {
        const GeneralRecord general = ReadGeneralRecord(s);
        PlayWAVMVX(e, general.InventoryFullSound.Trimmed(), false, channel::kDialogue,
                   general.InventoryFullPan, general.InventoryFullVolume);
        return;
    }
    AddInventoryItem(ctx, o.GivesItem(), false, 0);
    if (needs_item) {
        ReleaseHeldItem(ctx, o.KeepsItem() == 1);
    }
    if (!o.PickUpMedia().empty()) {
        const std::string kind = FileKind(o.PickUpMedia());
        if (kind == "wav") {
            PlayWav(e, o.PickUpMedia(), false, ObjectSoundChannel(s, kGoodie, k, 2), o.PickUpPan(),
                    o.PickUpVolume());
        } else if (kind == "avi") {
            PlayMovie(e, o.PickUpMedia(), o.PickUpVolume(), true, false);
        }
    }
    if (o.SetsFlag() == 1) {
        const FlagChange change = o.Change();
        SetFlag(e, change.Flag, change.Value, change.Mode);
    }
}

void ClickSwitch(InteractionContext& ctx, Integer k) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    AnimatedPicture& picture = ctx.Win.Main.Animation(k);
    if (picture.Playing()) {
        return;
    }
    const SceneObject copy = s.Objects(k);
    const SwitchView o(copy);
    if (o.NeedsItem() == 1) {
        if (!ItemIsInHand(ctx)) {
            RequiresItemMessage(ctx, "Switch", k, o.Item());
            PlayObjectSound(ctx, o.RefusalSound(), ObjectSoundChannel(s, kSwitch, k, 2),
                            o.RefusalPan(), o.RefusalVolume());
            return;
        }
        if (s.SlotItem(s.ItemInHand) != o.Item()) {
            RequiresItemMessage(ctx, "Switch", k, o.Item());
            RefuseHeldItem(ctx);
            return;
        }
        LogIfOn(e, "Inventory Item #" + Num(o.Item()) + " used on Switch (Object #" + Num(k) + ")");
        ReleaseHeldItem(ctx, o.KeepsItem() == 1);
    } else {
        LogIfOn(e, "Switch (Object #" + Num(k) + ") clicked.");
    }
    const Integer old = s.Flags(o.Flag());
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
        SetFlag(e, o.Flag(), old != 0 ? Integer{0} : o.OnValue(), 0);
    }
    if (old == 0) {
        if (!o.OnSound().empty()) {
            PlayWav(e, o.OnSound(), false, ObjectSoundChannel(s, kSwitch, k, 1), o.OnPan(),
                    o.OnVolume());
        }
    } else if (!o.OffSound().empty()) {
        PlayWav(e, o.OffSound(), false, ObjectSoundChannel(s, kSwitch, k, 1), o.OffPan(),
                o.OffVolume());
    }
}

void ClickReactor(InteractionContext& ctx, Integer k) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    if (ReactorView(s.Objects(k)).OneShot() == 1 && s.ReactorUsed(k)) {
        return;
    }
    LogIfOn(e, "Reactor (Object #" + Num(k) + ") clicked.");
    s.ReactorUsed(k) = true;
    const SceneObject copy = s.Objects(k);
    const ReactorView o(copy);
    if (o.SetsFlag() == 1) {
        const FlagChange change = o.Change();
        SetFlag(e, change.Flag, change.Value, change.Mode);
    }
    Pump(e);
    const auto play_sound = [&] {
        if (!o.Sound().empty()) {
            PlayWav(e, o.Sound(), false, ObjectSoundChannel(s, kReactor, k, 1), o.SoundPan(),
                    o.SoundVolume());
        }
    };
    switch (o.Reaction()) {
        case 1:
        case 2:
            play_sound();
            break;
        case 3:
        case 4:
            if (!o.Movie().empty()) {
                PlayMovie(e, o.Movie(), o.MovieSetting(), true, false);
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
    if (o.AddsLocation() == 1) {
        AddMapLocation(e, o.Location());
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
                ShowPointerImage(ctx, kNormalPointer);
            }
            return;
        case kLink: {
            const LinkView link(o);
            if (link.OneShot() == 1 && s.ObjUsed(Index)) {
                ShowPointerImage(ctx, kNormalPointer);
            } else if (link.NeedsItem() == 1 && in_hand) {
                ShowPointer(ctx, HeldHighlight(ctx));
            } else {
                ShowPointerImage(ctx, link.Pointer() == 0 ? kNormalPointer : link.Pointer());
            }
            return;
        }
        case kGoodie:
            if (GoodieView(o).NeedsItem() == 1 && in_hand) {
                ShowPointer(ctx, HeldHighlight(ctx));
            } else {
                ShowPointerImage(ctx, kGoodiePointer);
            }
            return;
        case kSwitch:
            if (SwitchView(o).NeedsItem() == 1 && in_hand) {
                ShowPointer(ctx, HeldHighlight(ctx));
            } else {
                ShowPointerImage(ctx, kHotSpotPointer);
            }
            return;
        case kReactor:
            ShowPointerImage(ctx, ReactorView(o).OneShot() == 1 && s.ReactorUsed(Index)
                                      ? kNormalPointer
                                      : kReactorPointer);
            return;
        default:
            if (o.Kind > kLastKnownKind) {
                ShowPointerImage(ctx, kHotSpotPointer);
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
    const SwitchView lever(o);
    const Integer flag = lever.Flag();
    const Integer value = ctx.SwitchOldValue(Index) != 0 ? Integer{0} : lever.OnValue();
    try {
        SetFlag(ctx.Engine, flag, value, 0);
    } catch (const RuntimeError& error) {
        ReportTrap(ctx.Engine, "Animation_PlayFinished", error);
    }
}

}  // namespace morvane
