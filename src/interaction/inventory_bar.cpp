#include "interaction/inventory_bar.h"

#include <string>

#include "engine/button_sounds.h"
#include "engine/cascade.h"
#include "engine/sound_operations.h"
#include "interaction/inventory.h"
#include "interaction/pointer_model.h"
#include "media/sound_channels.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

constexpr int kLeftButton = static_cast<int>(MouseButton::kLeft);

std::string HeldItemNumber(const InteractionContext& ctx) {
    return std::to_string(ctx.State().SlotItem(ctx.State().ItemInHand));
}

void ShowHeldItemPointer(InteractionContext& ctx) {
    ShowPointer(ctx, ctx.Win.Main.FlashFixIcon.Picture());
}

// Kind 1: the close-up window, once the picture loaded when the item was taken in hand is read.
void ShowCloseup(InteractionContext& ctx, const InventorySlot& item) {
    EngineContext& e = ctx.Engine;
    AssignPointerImage(ctx, kWaitPointer);
    Pump(e);
    CloseupValues& values = ctx.Closeup;
    values.Caption = item.CloseupCaption;
    values.PlayMode = item.CloseupPlayMode;
    values.Sound = item.ExamineSound;
    values.Volume = item.ExamineVolume;
    values.Pan = item.ExaminePan;
    ctx.Win.Closeup.ClsCapt.SetCaption(values.Caption);
    WaitFor(
        e, [&values] { return values.Ready; }, kPictureLoadBoundMs);
    ctx.Win.Closeup.ShowModal();
}

}  // namespace

void InvItem_MouseDown(InteractionContext& ctx, int Index, int Button) {
    const CascadeRoot root(ctx.Engine);
    if (WaitPointerShown(ctx) || Button != kLeftButton) {
        return;
    }
    GameState& s = ctx.State();
    try {
        if (ItemIsInHand(ctx)) {
            CombineInventoryItems(ctx, s.ItemInHand, static_cast<Integer>(Index));
            return;
        }
        LogIfOn(ctx.Engine, "Inventory Item #" + std::to_string(s.SlotItem(Index)) + " in hand");
        ctx.Win.Main.invitem(Index).SetVisible(false);
        s.ItemInHand = static_cast<Integer>(Index);
        if (ctx.Closeup.Slot != Index) {
            StartCloseupLoad(ctx, static_cast<Integer>(Index));
        }
        Image& held = ctx.Win.Main.FlashFixIcon;
        held.SetPicture(ctx.Win.ItemImages.ItemPoint(Index).Picture());
        AssignPointer(ctx, held.Picture());
    } catch (const RuntimeError& error) {
        ReportTrap(ctx.Engine, "InvItem_MouseDown", error);
    }
}

void invitem_MouseMove(InteractionContext& ctx, int Index) {
    if (WaitPointerShown(ctx)) {
        return;
    }
    Main& main = ctx.Win.Main;
    ctx.State().LastHoveredButton = hover::kMainNeutral;
    ShowButtonLook(main.ExamineItem, main.EI_Resource, 1);
    const PictureBox& slot = main.invitem(Index);
    main.ItemHiLite.Move(slot.Left() - 1, slot.Top());
    if (!main.ItemHiLite.Visible()) {
        main.ItemHiLite.SetVisible(true);
    }
    if (ItemIsInHand(ctx)) {
        ShowPointer(ctx, ctx.Win.ItemImages.ItemHL(ctx.State().ItemInHand).Picture());
    } else {
        ShowPointerImage(ctx, kNormalPointer);
    }
}

void InvBar_MouseDown(InteractionContext& ctx, int Button) {
    if (Button != kLeftButton || !ItemIsInHand(ctx)) {
        return;
    }
    GameState& s = ctx.State();
    Main& main = ctx.Win.Main;
    LogIfOn(ctx.Engine, "Inventory Item #" + HeldItemNumber(ctx) + " returned to Inventory Bar");
    main.invitem(s.ItemInHand).SetVisible(true);
    main.FlashFixIcon.SetPicture(nullptr);
    main.ExamineItem.SetMouseIcon(nullptr);
    main.ExamineItem.SetMousePointer(ScreenPointer::kDefault);
    AssignPointerImage(ctx, kNormalPointer);
    main.ScnImg.SetMouseIcon(main.GetDesktop().Pointer().Picture());
    main.ScnImg.SetMousePointer(ScreenPointer::kDefault);
    s.ItemInHand = kNoItemInHand;
}

void InvBar_MouseMove(InteractionContext& ctx) {
    Main& main = ctx.Win.Main;
    ctx.State().LastHoveredButton = hover::kMainNeutral;
    ShowButtonLook(main.ExamineItem, main.EI_Resource, 1);
    main.ItemHiLite.SetVisible(false);
    if (ItemIsInHand(ctx)) {
        ShowHeldItemPointer(ctx);
    } else {
        ShowPointerImage(ctx, kNormalPointer);
    }
}

void ExamineItem_MouseMove(InteractionContext& ctx) {
    if (WaitPointerShown(ctx)) {
        return;
    }
    if (!ItemIsInHand(ctx)) {
        ShowPointerImage(ctx, kNormalPointer);
        return;
    }
    GameState& s = ctx.State();
    if (s.LastHoveredButton != hover::kExamineButton) {
        s.LastHoveredButton = hover::kExamineButton;
        PlayHoverSound(ctx.Engine);
    }
    ShowPointer(ctx, ctx.Win.ItemImages.ItemHL(s.ItemInHand).Picture());
    Main& main = ctx.Win.Main;
    ShowButtonLook(main.ExamineItem, main.EI_Resource, 0);
}

void ExamineItem_Click(InteractionContext& ctx) {
    const CascadeRoot root(ctx.Engine);
    if (WaitPointerShown(ctx) || !ItemIsInHand(ctx)) {
        return;
    }
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    s.Examining = true;
    try {
        LogIfOn(e, "Examine Item #" + HeldItemNumber(ctx));
        PlayClickSound(e);
        const InventorySlot item = s.Slot(s.ItemInHand);
        if (item.ExamineKind == 0) {
            if (!item.ExamineSound.empty()) {
                PlayWAVMVX(e, item.ExamineSound, false, channel::kInventory, item.ExaminePan,
                           item.ExamineVolume);
            }
        } else if (item.ExamineKind == 1) {
            ShowCloseup(ctx, item);
        }
        if ((item.ExamineKind == 0 || item.ExamineKind == 1) && ItemIsInHand(ctx)) {
            ApplyExamineEffects(ctx, s.ItemInHand);
        }
    } catch (const RuntimeError& error) {
        ReportTrap(e, "ExamineItem_Click", error);
    }
    s.Examining = false;
}

}  // namespace morvane
