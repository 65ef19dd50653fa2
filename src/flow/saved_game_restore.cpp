#include "flow/saved_game_restore.h"

#include "base/text.h"
#include "engine/database_open.h"
#include "engine/game_folder.h"
#include "engine/inventory_slot.h"
#include "flow/new_game.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"

namespace morvane {
namespace {

void ShowFromTag(Control& control) {
    control.SetVisible(control.Tag() == "True");
}

// A picture named by an inventory record, or the empty picture when there is no such file.
void LoadSlotPicture(FlowContext& ctx, Image& target, const std::string& name) {
    const PicturePtr& none = ctx.Windows.ItemImages.NoPic.Picture();
    if (name.empty()) {
        target.SetPicture(none);
        return;
    }
    PictureResult loaded = ctx.GetDesktop().Pictures().Load(GfxPath(ctx.State, name));
    target.SetPicture(loaded.picture ? std::move(loaded.picture) : none);
}

void RestoreDelays(FlowContext& ctx, const SavedGameRecord& saved) {
    GameState& state = ctx.State;
    for (int slot = 1; slot <= kSlots; ++slot) {
        state.Delays(slot).DelayWaitPointer = false;
    }
    for (int slot = 1; slot <= kSlots; ++slot) {
        DelayState& delay = state.Delays(slot);
        delay.DelayMs = saved.DelayDuration(slot);
        delay.DelayFlag = saved.DelayFlag(slot);
        delay.DelayValue = saved.DelayValue(slot);
        delay.DelayMode = saved.DelayMode(slot);
    }
    // A running delay starts again with its saved duration, which the scene load may have
    // changed on its timer.
    for (int slot = 1; slot <= kSlots; ++slot) {
        TimerControl& timer = ctx.Windows.Main.DelayTimer(slot);
        const bool running = saved.DelayRunning(slot) == 1;
        timer.SetEnabled(false);
        if (running) {
            timer.SetInterval(saved.DelayDuration(slot));
            timer.SetEnabled(true);
        }
    }
}

}  // namespace

void SavedGameInv(FlowContext& ctx) {
    try {
        GameState& state = ctx.State;
        if (state.ItemCount == 0) {
            return;
        }
        ItemImages& images = ctx.Windows.ItemImages;
        const PicturePtr& none = images.NoPic.Picture();
        for (int slot = 1; slot <= kInventorySlots; ++slot) {
            ctx.Windows.Main.invitem(slot).SetVisible(false);
            images.ItemIcon(slot).SetPicture(none);
            images.ItemPoint(slot).SetPicture(none);
            images.ItemHL(slot).SetPicture(none);
        }
        Integer count = 0;
        for (int entry = 1; entry <= kInventorySlots; ++entry) {
            const Integer item = ctx.Saves.Snapshot.Inventory(entry);
            if (item == 0) {
                continue;
            }
            const InventoryRecord record = ReadInventoryRecord(state, item);
            ++count;
            LoadSlotPicture(ctx, images.ItemIcon(count), record.Icon.Trimmed());
            LoadSlotPicture(ctx, images.ItemPoint(count), record.HeldPointer.Trimmed());
            LoadSlotPicture(ctx, images.ItemHL(count), record.HighlightPointer.Trimmed());
            state.SlotItem(count) = item;
            state.Slot(count) = SlotEntry(record);
        }
        state.InventoryCount = count;
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "SavedGameInv", error);
    }
}

void RestoreSavedGame(FlowContext& ctx) {
    Forms& windows = ctx.Windows;
    Main& main = windows.Main;
    GameState& state = ctx.State;
    // A copy: the scene load below runs events, and nothing they do may change what is restored.
    const SavedGameRecord saved = ctx.Saves.Snapshot;
    ctx.GetDesktop().SetTopmost(windows.MainMenu, false);
    windows.MainMenu.Hide();
    main.InvBar.SetEnabled(true);
    main.ExamineItem.SetEnabled(true);
    for (Control* control :
         std::initializer_list<Control*>{&main.InvBar, &main.ExamineItem, &main.SaveGameButtn,
                                         &main.SmallScore, &main.LargeScore}) {
        ShowFromTag(*control);
    }
    if (state.ScoreFlag > 0) {
        const std::string score = std::to_string(state.Flags(state.ScoreFlag));
        main.CurrScore_Small.SetCaption(score);
        main.CurrScore_Large.SetCaption(score);
    }
    SavedGameInv(ctx);
    ShowInventoryBarItems(ctx);
    if (state.DebugMode == 1) {
        TurnDebuggingOn(ctx);
    }
    main.Show();
    state.JustRestored = true;
    state.CurrentScene = 0;
    ctx.Services.LoadScene(saved.Scene);
    const std::string soundtrack = saved.Soundtrack.Trimmed();
    if (!soundtrack.empty()) {
        ctx.Services.Soundtrack(soundtrack, saved.SoundtrackVolume, false);
    }
    Pump(ctx);
    RestoreDelays(ctx, saved);
}

}  // namespace morvane
