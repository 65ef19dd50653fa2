#include "flow/startup.h"

#include "engine/database_open.h"
#include "flow/builtin_look.h"
#include "flow/cd_checks.h"
#include "flow/general_settings.h"
#include "flow/opening_credits.h"
#include "flow/saved_games_folder.h"
#include "platform/desktop.h"

namespace morvane {
namespace {

// The engine's own line under its logo.
constexpr const char* kEngineCaption = "Morvane Player - an open-source player for Morvane games";

void CentreOnScreen(const Desktop& desktop, Control& control) {
    control.Move(desktop.ScreenWidth() / 2 - control.Width() / 2,
                 desktop.ScreenHeight() / 2 - control.Height() / 2);
}

void StartForm_Load(FlowContext& ctx) {
    StartForm& start = ctx.Windows.StartForm;
    GetInitData(ctx.State, *ctx.Databases);
    Pump(ctx);
    ctx.Services.CheckRes();
    Pump(ctx);
    const Desktop& desktop = ctx.GetDesktop();
    if (desktop.ScreenWidth() > 800) {
        CentreOnScreen(desktop, start.Label1);
        CentreOnScreen(desktop, start.MorvaneURL);
        CentreOnScreen(desktop, start.MVXGIFLogo);
    }
    ctx.State.MusicOn = true;
    start.Timer1.SetEnabled(true);
    Pump(ctx);
}

void StartForm_Timer1(FlowContext& ctx) {
    Forms& windows = ctx.Windows;
    StartForm& start = windows.StartForm;
    start.Timer1.SetEnabled(false);
    Pump(ctx);
    for (Window* window : std::initializer_list<Window*>{
             &windows.IntroFrm, &windows.MvDebug, &windows.Closeup, &windows.MousePoint,
             &windows.QuitGameQuery, &windows.SaveGame, &windows.LoadGame, &windows.MainMenu,
             &windows.Main, &windows.MapWindow}) {
        window->Load();
    }
    // The sound devices play for the whole program, not for a window, so the windows need not
    // be registered with them.
    Pump(ctx);
    start.Label1.SetVisible(false);
    if (ctx.State.EngineLogoWanted) {
        start.MorvaneURL.SetVisible(true);
        start.MVXGIFLogo.SetVisible(true);
        start.MVXGIFLogo.SetSinglePass(1);
        start.MVXGIFLogo.Start();
    } else {
        ctx.Flow.StartAppBegun = true;
        StartApp(ctx);
    }
}

void StartForm_KeyDown(FlowContext& ctx, int& key_code) {
    if (key_code == key::kEscape) {
        StartForm& start = ctx.Windows.StartForm;
        if (start.MVXGIFLogo.Visible()) {
            EngineLogoFinished(ctx);
        } else {
            SkipCredits(ctx);
        }
    }
    key_code = 0;
}

}  // namespace

void StartApp(FlowContext& ctx) {
    try {
        FlowState& flow = ctx.Flow;
        ctx.Services.InitMidi();
        flow.StartingUp = true;
        flow.NewGameStarting = false;
        OpenGenBase(ctx.State, *ctx.Databases);
        OpenLocBase(ctx.State, *ctx.Databases);
        OpenInvBase(ctx.State, *ctx.Databases);
        OpenSceneBase(ctx.State, *ctx.Databases);
        OpenConvBase(ctx.State, *ctx.Databases);
        Pump(ctx);
        if (!IdentifyCd(ctx)) {
            return;
        }
        ApplyGeneralSettings(ctx, 4);
        ApplyGeneralSettings(ctx, 5);
        SavedGamesFolder(ctx);
        Pump(ctx);
        flow.StartingUp = false;
        ctx.Windows.MainMenu.Show();
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "StartApp", error);
    }
}

void EngineLogoFinished(FlowContext& ctx) {
    StartForm& start = ctx.Windows.StartForm;
    start.MVXGIFLogo.Stop();
    start.MVXGIFLogo.SetVisible(false);
    start.MorvaneURL.SetVisible(false);
    if (ctx.Flow.StartAppBegun) {
        return;
    }
    ctx.Flow.StartAppBegun = true;
    StartApp(ctx);
}

void AttachStartWindow(FlowContext& ctx) {
    StartForm& start = ctx.Windows.StartForm;
    start.MVXGIFLogo.SetPictureFile(ctx.Look.EngineLogo());
    start.MorvaneURL.SetCaption(kEngineCaption);
    start.MorvaneURL.Move(100, start.MorvaneURL.Top(), 600, start.MorvaneURL.Height());
    start.OnLoad = [&ctx] { StartForm_Load(ctx); };
    start.Timer1.OnTimer = [&ctx] { StartForm_Timer1(ctx); };
    start.MVXGIFLogo.OnPlayFinished = [&ctx] { EngineLogoFinished(ctx); };
    start.OnKeyDown = [&ctx](int& key_code, int) { StartForm_KeyDown(ctx, key_code); };
    start.OnKeyPress = [](int& key_ascii) { key_ascii = 0; };
    AttachOpeningCredits(ctx);
}

}  // namespace morvane
