#include "flow/new_game.h"

#include "debug/notify_log.h"
#include "flow/general_settings.h"
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

void ResetForNewGame(FlowContext& ctx) {
    GameState& state = ctx.State;
    Main& main = ctx.Windows.Main;
    state.CurrentSoundtrack.clear();
    state.ItemInHand = kNoItemInHand;
    state.CurrentScene = 0;
    HideInventoryPictures(main);
    ClearMapAndFlags(state);
    for (int slot = 1; slot <= kSlots; ++slot) {
        state.RespLastValue(slot) = 0;
        state.MTLastValue1(slot) = 0;
        state.MTLastValue2(slot) = 0;
        state.MTLastValue3(slot) = 0;
        state.Delays(slot).DelayWaitPointer = false;
    }
    ClearInteractionMarks(state);
    state.LoadedNewScene = false;
    main.CurrScore_Small.SetCaption("0");
    main.CurrScore_Large.SetCaption("0");
}

void ShowStartingItems(FlowContext& ctx) {
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

}  // namespace

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
        ShowStartingItems(ctx);
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
    GameState& state = ctx.State;
    Main& main = ctx.Windows.Main;
    state.CurrentSoundtrack.clear();
    state.ItemInHand = kNoItemInHand;
    state.CurrentScene = 0;
    state.CurrentConv = 0;
    main.ConvBox.SetVisible(false);
    main.ScnImg.SetPicture(nullptr);
    main.Animation.ForEach([](AnimatedPicture& object, int) { object.SetVisible(false); });
    HideInventoryPictures(main);
    ClearMapAndFlags(state);
    for (int slot = 1; slot <= kSlots; ++slot) {
        state.RespLastValue(slot) = 0;
        state.MTLastValue1(slot) = 0;
        state.MTLastValue2(slot) = 0;
        state.MTLastValue3(slot) = 0;
        state.WavTriggered(slot) = false;
        state.AwaitedWav(slot).clear();
    }
    state.PendingMovie.clear();
    state.LoadedNewScene = false;
    ClearInteractionMarks(state);
}

}  // namespace morvane
