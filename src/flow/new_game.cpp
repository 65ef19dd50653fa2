#include "flow/new_game.h"

#include "flow/general_settings.h"
#include "forms/notify_log.h"
#include "platform/desktop.h"

namespace morvane {
namespace {

constexpr Integer kFirstScene = 1;

void ShowFromTag(Control& control) {
    control.SetVisible(control.Tag() == "True");
}

void ClearInteractionMarks(GameState& state) {
    state.SceneLoading = false;
    state.MapOpen = false;
    state.Examining = false;
    state.QuitQueryOpen = false;
}

void ClearMapAndFlags(GameState& state) {
    for (int location = 1; location <= kMapLocations; ++location) {
        state.Locations(location).Available = 0;
    }
    for (int flag = 1; flag <= 255; ++flag) {
        state.Flags(flag) = 0;
    }
}

void HideInventoryPictures(Main& main) {
    main.invitem.ForEach([](PictureBox& slot, int) { slot.SetVisible(false); });
}

// What starting a new game and abandoning one both clear: the soundtrack name, the held item,
// the scene, the inventory pictures, the map, the flags, the rules' memory of flag values, a
// scene change a rule asked for, and the interaction marks.
void ClearGame(FlowContext& ctx) {
    GameState& state = ctx.State;
    state.CurrentSoundtrack.clear();
    state.ItemInHand = kNoItemInHand;
    state.CurrentScene = 0;
    HideInventoryPictures(ctx.Windows.Main);
    ClearMapAndFlags(state);
    for (int slot = 1; slot <= kSlots; ++slot) {
        state.RespLastValue(slot) = 0;
        for (auto& trigger : state.MTLastValue) {
            trigger(slot) = 0;
        }
    }
    state.LoadedNewScene = false;
    ClearInteractionMarks(state);
}

void ResetForNewGame(FlowContext& ctx) {
    ClearGame(ctx);
    for (int slot = 1; slot <= kSlots; ++slot) {
        ctx.State.Delays(slot).DelayWaitPointer = false;
    }
    ctx.Windows.Main.CurrScore_Small.SetCaption("0");
    ctx.Windows.Main.CurrScore_Large.SetCaption("0");
}

}  // namespace

void ShowInventoryBarItems(FlowContext& ctx) {
    Main& main = ctx.Windows.Main;
    for (int slot = 1; slot <= ctx.State.InventoryCount && slot <= kInventorySlots; ++slot) {
        main.invitem(slot).SetPicture(ctx.Windows.ItemImages.ItemIcon(slot).Picture());
        main.invitem(slot).SetVisible(true);
    }
}

void TurnDebuggingOn(FlowContext& ctx) {
    Forms& windows = ctx.Windows;
    windows.NoWin.List1.Clear();
    windows.Main.Command1.SetVisible(true);
    ShowNotifyWindow(windows);
    ctx.State.LogSwitch = windows.MvDebug.Check1.Value() == CheckBox::kChecked;
}

void StartNewGame(FlowContext& ctx) {
    try {
        Forms& windows = ctx.Windows;
        Main& main = windows.Main;
        ctx.Flow.NewGameStarting = true;
        ctx.GetDesktop().SetTopmost(windows.MainMenu, false);
        windows.MainMenu.Hide();
        ApplyGeneralSettings(ctx, 0);
        main.InvBar.SetEnabled(true);
        main.ExamineItem.SetEnabled(true);
        ShowFromTag(main.InvBar);
        ShowFromTag(main.ExamineItem);
        ShowFromTag(main.SaveGameButtn);
        ShowFromTag(main.SmallScore);
        ShowFromTag(main.LargeScore);
        ApplyGeneralSettings(ctx, 5);
        ResetForNewGame(ctx);
        ctx.Services.LoadStartItems();
        ShowInventoryBarItems(ctx);
        ctx.Flow.NewGameStarting = false;
        if (ctx.State.DebugMode == 1) {
            TurnDebuggingOn(ctx);
        }
        main.Show();
        Pump(ctx);
        ctx.Services.LoadScene(kFirstScene);
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "StartNewGame", error);
    }
}

void ShowMenuScene(FlowContext& ctx) {
    Main& main = ctx.Windows.Main;
    ctx.State.InMenuScene = true;
    main.InvBar.SetVisible(false);
    main.ExamineItem.SetVisible(false);
    main.SaveGameButtn.SetVisible(false);
    main.SmallScore.SetVisible(false);
    main.LargeScore.SetVisible(false);
    if (ctx.State.DebugMode == 1) {
        main.Command1.SetVisible(true);
    }
    main.Show();
    Pump(ctx);
    ctx.Services.LoadScene(ctx.State.MenuScene);
}

void ResetGameState(FlowContext& ctx) {
    ClearGame(ctx);
    GameState& state = ctx.State;
    Main& main = ctx.Windows.Main;
    state.CurrentConv = 0;
    main.ConvBox.SetVisible(false);
    main.ScnImg.SetPicture(nullptr);
    main.Animation.ForEach([](AnimatedPicture& object, int) { object.SetVisible(false); });
    for (int slot = 1; slot <= kSlots; ++slot) {
        state.WavTriggered(slot) = false;
        state.AwaitedWav(slot).clear();
    }
    state.PendingMovie.clear();
}

}  // namespace morvane
