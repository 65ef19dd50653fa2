#include "interaction/inventory.h"

#include <string>

#include "engine/database_open.h"
#include "engine/flag_operations.h"
#include "engine/game_folder.h"
#include "engine/inventory_slot.h"
#include "engine/sound_operations.h"
#include "interaction/pointer_model.h"
#include "media/sound_channels.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

std::string Num(long long value) {
    return std::to_string(value);
}

// A picture named by an inventory record; a file that cannot be shown gives the empty picture.
// An empty name leaves the previous picture in place.
void LoadItemPicture(InteractionContext& ctx, Image& target, const std::string& name) {
    if (name.empty()) {
        return;
    }
    PictureResult result = ctx.Win.Main.GetDesktop().Pictures().Load(GfxPath(ctx.State(), name));
    target.SetPicture(result.picture ? std::move(result.picture)
                                     : ctx.Win.ItemImages.NoPic.Picture());
}

// The pictures and the slot entry of `target`, as every way into the bar fills them.
void FillSlot(InteractionContext& ctx, Integer target, Integer item, const InventoryRecord& r) {
    ItemImages& images = ctx.Win.ItemImages;
    const std::string icon = r.Icon.Trimmed();
    if (!icon.empty()) {
        LoadItemPicture(ctx, images.ItemIcon(target), icon);
        ctx.Win.Main.invitem(target).SetPicture(images.ItemIcon(target).Picture());
    }
    LoadItemPicture(ctx, images.ItemPoint(target), r.HeldPointer.Trimmed());
    LoadItemPicture(ctx, images.ItemHL(target), r.HighlightPointer.Trimmed());
    GameState& s = ctx.State();
    s.SlotItem(target) = item;
    s.Slot(target) = SlotEntry(r);
}

void RefuseOnFullBar(InteractionContext& ctx, Integer item) {
    EngineContext& e = ctx.Engine;
    const GeneralRecord general = ReadGeneralRecord(ctx.State());
    const std::string full = general.InventoryFullSound.Trimmed();
    if (!full.empty()) {
        PlayWAVMVX(e, full, false, channel::kInventory, general.InventoryFullPan,
                   general.InventoryFullVolume);
    } else {
        Main& main = ctx.Win.Main;
        main.Msg.SetCaption("Inventory Full");
        main.MsgStatus.SetVisible(true);
        main.MsgTimer.SetEnabled(true);
    }
    LogIfOn(e, "Couldn't add Item #" + Num(item) + " to Inventory - Inventory Full.");
}

}  // namespace

void AddInventoryItem(InteractionContext& ctx, Integer item, bool replace, Integer slot) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    if (!replace && s.InventoryCount >= kInventorySlots) {
        RefuseOnFullBar(ctx, item);
        return;
    }
    const InventoryRecord r = ReadInventoryRecord(s, item);
    if (r.MultipleCopies == 0) {
        for (Integer k = 1; k <= s.InventoryCount; ++k) {
            if (s.SlotItem(k) == item) {
                LogIfOn(e, "Couldn't add Item #" + Num(item) + " to Inventory - Already there.");
                return;
            }
        }
    }
    // The slot is checked before anything changes: the bar has 16 places and no other.
    const Integer target = replace ? slot : static_cast<Integer>(s.InventoryCount + 1);
    ctx.Win.Main.invitem(target);
    // The message names the item in hand when there is one (a combination or an examine), else
    // the item replaced.
    const Integer replaced = s.ItemInHand >= 1 && s.ItemInHand <= kInventorySlots
                                 ? s.SlotItem(s.ItemInHand)
                                 : s.SlotItem(target);
    if (!replace) {
        s.InventoryCount = target;
    }
    FillSlot(ctx, target, item, r);
    if (!replace && !r.Icon.Trimmed().empty()) {
        ctx.Win.Main.invitem(target).SetVisible(true);
    }
    if (replace) {
        Image& held = ctx.Win.Main.FlashFixIcon;
        held.SetPicture(ctx.Win.ItemImages.ItemPoint(target).Picture());
        AssignPointer(ctx, held.Picture());
        LogIfOn(e, "Replace Inventory Item #" + Num(replaced) + " with Item #" + Num(item));
    } else {
        LogIfOn(e, "Item #" + Num(item) + " added to Inventory");
    }
}

void CombineInventoryItems(InteractionContext& ctx, Integer a, Integer b) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    const std::string A = Num(s.SlotItem(a));
    const std::string B = Num(s.SlotItem(b));
    LogIfOn(e, "Combine Inventory Item #" + A + " with Item #" + B);
    const InventorySlot held = s.Slot(a);
    if (held.Combinable != 1) {
        LogIfOn(e, "Inventory Item #" + A + " can't be combined with anything.");
        return;
    }
    if (held.Partner != s.SlotItem(b)) {
        LogIfOn(e, "Inventory Item #" + A + " and Item #" + B + " can't be combined.");
        if (!held.RefusalSound.empty()) {
            PlayWAVMVX(e, held.RefusalSound, false, channel::kInventory, held.RefusalPan,
                       held.RefusalVolume);
        }
        return;
    }
    LogIfOn(e, "Inventory Item #" + A + " combined with Item #" + B + " (OK)");
    const InventorySlot& clicked = s.Slot(b);
    if (!held.CombineSound.empty()) {
        PlayWAVMVX(e, held.CombineSound, false, channel::kInventory, held.CombinePan,
                   held.CombineVolume);
    } else if (!clicked.CombineSound.empty()) {
        PlayWAVMVX(e, clicked.CombineSound, false, channel::kInventory, clicked.CombinePan,
                   clicked.CombineVolume);
    }
    AddInventoryItem(ctx, held.Result, true, b);
    AssignPointerImage(ctx, kNormalPointer);
    CompactInventoryBar(ctx, a);
    s.ItemInHand = kNoItemInHand;
}

void CompactInventoryBar(InteractionContext& ctx, Integer slot) {
    GameState& s = ctx.State();
    const Integer count = s.InventoryCount;
    if (slot < 1 || slot > count) {
        return;
    }
    ctx.Closeup.Slot = -1;
    Main& main = ctx.Win.Main;
    ItemImages& images = ctx.Win.ItemImages;
    for (Integer i = slot; i < count; ++i) {
        main.invitem(i).SetPicture(main.invitem(i + 1).Picture());
        images.ItemPoint(i).SetPicture(images.ItemPoint(i + 1).Picture());
        images.ItemHL(i).SetPicture(images.ItemHL(i + 1).Picture());
        s.SlotItem(i) = s.SlotItem(i + 1);
        s.Slot(i) = s.Slot(i + 1);
    }
    main.invitem(slot).SetVisible(true);
    main.invitem(count).SetVisible(false);
    s.InventoryCount = static_cast<Integer>(count - 1);
    LogIfOn(ctx.Engine, "Inventory Bar compacted at slot " + Num(slot));
}

void ApplyExamineEffects(InteractionContext& ctx, Integer slot) {
    EngineContext& e = ctx.Engine;
    const InventorySlot item = ctx.State().Slot(slot);
    if (item.AddsMapLocation == 1 && item.MapLocation >= 1 && item.MapLocation <= kMapLocations) {
        AddMapLocation(e, item.MapLocation);
    }
    if (item.ChangesFlag == 1 && item.Flag > 0) {
        SetFlag(e, item.Flag, item.FlagValue, item.FlagMode);
    }
    if (item.Transforms == 1 && item.TransformsInto != 0) {
        AddInventoryItem(ctx, item.TransformsInto, true, slot);
        // The new item brings its own close-up: load it now, so that examining it again shows
        // it instead of waiting for a load nobody started.
        StartCloseupLoad(ctx, slot);
    }
}

void LoadStartItems(InteractionContext& ctx) {
    GameState& s = ctx.State();
    ItemImages& images = ctx.Win.ItemImages;
    const PicturePtr& none = images.NoPic.Picture();
    for (int k = 1; k <= ItemImages::kSlots; ++k) {
        images.ItemIcon(k).SetPicture(none);
        images.ItemPoint(k).SetPicture(none);
        images.ItemHL(k).SetPicture(none);
    }
    Integer count = 0;
    // A plain int counts: a 16-bit counter would wrap past 32767, the largest count.
    for (int n = 1; n <= s.ItemCount; ++n) {
        const auto item = static_cast<Integer>(n);
        const InventoryRecord r = ReadInventoryRecord(s, item);
        if (r.CarriedAtStart != 1) {
            continue;
        }
        // More start items than places on the bar: the rest are refused as on any full bar.
        if (count == kInventorySlots) {
            s.InventoryCount = count;
            RefuseOnFullBar(ctx, item);
            continue;
        }
        ++count;
        FillSlot(ctx, count, item, r);
    }
    s.InventoryCount = count;
}

void ShowInventoryBar(InteractionContext& ctx) {
    for (int k = 1; k <= kInventorySlots; ++k) {
        ctx.Win.Main.invitem(k).SetVisible(k <= ctx.State().InventoryCount);
    }
}

void StartCloseupLoad(InteractionContext& ctx, Integer slot) {
    ctx.Closeup.Ready = false;
    ctx.Closeup.Slot = slot;
    ctx.Win.Closeup.ClsUpImg.Load(GfxPath(ctx.State(), ctx.State().Slot(slot).CloseupPicture));
}

}  // namespace morvane
