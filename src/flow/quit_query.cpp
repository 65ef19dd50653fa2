#include "flow/quit_query.h"

#include "engine/hover_codes.h"
#include "flow/button_frames.h"
#include "flow/new_game.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

// The looks held in the query's Image1: 1 Yes highlighted, 2 Yes normal, 3 No highlighted,
// 4 No normal.
void ShowAnswerLooks(QuitGameQuery& query, bool yes_highlighted, bool no_highlighted) {
    query.ButtnYes.SetPicture(query.Image1(yes_highlighted ? 1 : 2).Picture());
    query.ButtnNo.SetPicture(query.Image1(no_highlighted ? 3 : 4).Picture());
}

void StopDelayTimers(Main& main) {
    main.DelayTimer.ForEach([](TimerControl& timer, int) { timer.SetEnabled(false); });
}

void ResetMainMenuButton(FlowContext& ctx) {
    ShowButtonFrame(ctx.Windows.Main.MMB_Resource, ctx.Windows.Main.MainMenuButtn, kNormalFrame);
}

void MainMenuButtn_MouseMove(FlowContext& ctx) {
    Main& main = ctx.Windows.Main;
    ShowButtonFrame(main.MMB_Resource, main.MainMenuButtn, kHighlightedFrame);
    if (PointerIs(ctx, kWaitPointer)) {
        return;
    }
    ShowPointer(ctx, kNormalPointer);
    PlayHoverSoundFor(ctx, hover::kMainMenuButton);
}

// Leaves the game for the menu: the scene is covered, the game abandoned and the menu shown.
void BackToMenu(FlowContext& ctx) {
    Main& main = ctx.Windows.Main;
    main.Block.SetVisible(true);
    main.Hide();
    ctx.Services.StopAllSounds();
    ResetGameState(ctx);
    ResetMainMenuButton(ctx);
    ctx.Windows.MainMenu.Show();
}

void QuitGameQuery_Activate(FlowContext& ctx) {
    ctx.State.QuitQueryOpen = true;
    ctx.Flow.QuitQueryClosing = false;
    ShowPointer(ctx, kNormalPointer);
    ShowAnswerLooks(ctx.Windows.QuitGameQuery, false, false);
}

void Answer_MouseMove(FlowContext& ctx, bool yes) {
    if (ctx.Flow.QuitQueryClosing) {
        return;
    }
    ShowAnswerLooks(ctx.Windows.QuitGameQuery, yes, !yes);
    PlayHoverSoundFor(ctx, yes ? hover::kQueryYes : hover::kQueryNo);
}

void Query_MouseMove(FlowContext& ctx) {
    if (ctx.Flow.QuitQueryClosing) {
        return;
    }
    ctx.State.LastHoveredButton = hover::kDialogNeutral;
    ShowAnswerLooks(ctx.Windows.QuitGameQuery, false, false);
}

}  // namespace

void MainMenuButtn_Click(FlowContext& ctx) {
    GameState& state = ctx.State;
    // The busy pointer locks the game's buttons while a scene changes, and the query or the
    // map being open keeps a second one from opening over them.
    if (PointerIs(ctx, kWaitPointer) || state.SceneLoading || state.QuitQueryOpen ||
        state.MapOpen || state.Examining) {
        return;
    }
    ShowPointer(ctx, kWaitPointer);
    PlayClickSound(ctx);
    ctx.GetDesktop().SetTopmost(ctx.Windows.Main, false);
    if (state.InMenuScene) {
        ctx.Flow.QuitQueryClosing = true;
        StopDelayTimers(ctx.Windows.Main);
        BackToMenu(ctx);
        state.InMenuScene = false;
    } else {
        ctx.Windows.QuitGameQuery.ShowModal();
    }
}

void ButtnYes_Click(FlowContext& ctx) {
    FlowState& flow = ctx.Flow;
    if (flow.QuitQueryClosing) {
        return;
    }
    PlayClickSound(ctx);
    flow.QuitQueryClosing = true;
    StopDelayTimers(ctx.Windows.Main);
    flow.PauseElapsed = false;
    ctx.Windows.QuitGameQuery.PauseIt.SetEnabled(true);
    WaitForUser(
        ctx, [&flow] { return flow.PauseElapsed; }, kPauseBoundMs);
    ctx.Windows.Main.Block.SetVisible(true);
    ctx.Windows.NoWin.Unload();
    ctx.Windows.QuitGameQuery.Hide();
    BackToMenu(ctx);
}

void ButtnNo_Click(FlowContext& ctx) {
    if (ctx.Flow.QuitQueryClosing) {
        return;
    }
    PlayClickSound(ctx);
    ctx.Flow.QuitQueryClosing = true;
    ctx.Windows.QuitGameQuery.Hide();
    if (ctx.State.LogSwitch) {
        ctx.Windows.NoWin.Show();
        ctx.GetDesktop().SetTopmost(ctx.Windows.NoWin, true);
    }
    ctx.State.QuitQueryOpen = false;
}

void AttachQuitQuery(FlowContext& ctx) {
    Main& main = ctx.Windows.Main;
    main.MainMenuButtn.OnMouseMove = [&ctx](const MouseArgs&) { MainMenuButtn_MouseMove(ctx); };
    main.MainMenuButtn.OnClick = [&ctx] { MainMenuButtn_Click(ctx); };
    main.MMB_Resource.OnReadFinished = [&ctx] { ResetMainMenuButton(ctx); };

    QuitGameQuery& query = ctx.Windows.QuitGameQuery;
    query.OnActivate = [&ctx] { QuitGameQuery_Activate(ctx); };
    query.OnMouseMove = [&ctx](const MouseArgs&) { Query_MouseMove(ctx); };
    query.ButtnYes.OnMouseMove = [&ctx](const MouseArgs&) { Answer_MouseMove(ctx, true); };
    query.ButtnNo.OnMouseMove = [&ctx](const MouseArgs&) { Answer_MouseMove(ctx, false); };
    query.ButtnYes.OnClick = [&ctx] { ButtnYes_Click(ctx); };
    query.ButtnNo.OnClick = [&ctx] { ButtnNo_Click(ctx); };
    query.OnKeyDown = [](int& key_code, int) { key_code = 0; };
    query.OnKeyPress = [](int& key_ascii) { key_ascii = 0; };
    query.PauseIt.OnTimer = [&ctx] {
        ctx.Windows.QuitGameQuery.PauseIt.SetEnabled(false);
        ctx.Flow.PauseElapsed = true;
    };
}

}  // namespace morvane
