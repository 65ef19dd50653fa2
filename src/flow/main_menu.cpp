#include "flow/main_menu.h"

#include "base/text.h"
#include "engine/hover_codes.h"
#include "flow/button_frames.h"
#include "flow/exit_picture.h"
#include "flow/general_settings.h"
#include "flow/new_game.h"
#include "flow/shutdown.h"
#include "media/sound_channels.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

void ShowButtonLooks(FlowContext& ctx, int highlighted) {
    for (int button = 1; button <= 5; ++button) {
        ShowButtonFrame(ctx.Windows.Main.ButtnDefault(button), ctx.Windows.MainMenu.Buttn(button),
                        button == highlighted ? kHighlightedFrame : kNormalFrame);
    }
}

void StopMenuMusic(FlowContext& ctx) {
    ctx.Services.StopSound(channel::kSoundtrack);
    ctx.Services.StopMp3();
    ctx.Services.StopMidi();
}

void MainMenu_Load(FlowContext& ctx) {
    MainMenu& menu = ctx.Windows.MainMenu;
    const Desktop& desktop = ctx.GetDesktop();
    if (desktop.ScreenWidth() > 800) {
        menu.Picture1.Move(desktop.ScreenWidth() / 2 - menu.Picture1.Width() / 2,
                           desktop.ScreenHeight() / 2 - menu.Picture1.Height() / 2);
    }
    menu.SetMouseIcon(ctx.Windows.MousePoint.Defaults(kNormalPointer).Picture());
    menu.SetMousePointer(ScreenPointer::kCustom);
    ShowButtonLooks(ctx, 0);
}

void MainMenu_Activate(FlowContext& ctx) {
    FlowState& flow = ctx.Flow;
    flow.MenuBusy = false;
    ShowPointer(ctx, kNormalPointer);
    if (flow.BackFromLoadDialog) {
        flow.BackFromLoadDialog = false;
        return;
    }
    ShowButtonLooks(ctx, 0);
    PlayMenuMusic(ctx);
}

void Buttn_MouseMove(FlowContext& ctx, int button) {
    if (ctx.Flow.MenuBusy) {
        return;
    }
    ShowButtonLooks(ctx, button);
    PlayHoverSoundFor(ctx, static_cast<Integer>(button));
}

void Background_MouseMove(FlowContext& ctx) {
    ctx.State.LastHoveredButton = hover::kMenuBackground;
    if (!ctx.Flow.MenuBusy) {
        ShowButtonLooks(ctx, 0);
    }
}

void IntroButton(FlowContext& ctx) {
    ApplyGeneralSettings(ctx, 6);
    if (!ctx.Flow.IntroMovieExists) {
        ShowPointer(ctx, kNormalPointer);
        ctx.Flow.MenuBusy = false;
        return;
    }
    StopMenuMusic(ctx);
    Pump(ctx);
    ctx.Flow.StartingUp = false;
    ctx.Flow.NewGameStarting = false;
    MainMenu& menu = ctx.Windows.MainMenu;
    ctx.GetDesktop().SetTopmost(menu, false);
    ApplyGeneralSettings(ctx, 5);
    ctx.GetDesktop().SetTopmost(menu, true);
}

void LoadButton(FlowContext& ctx) {
    GameState& state = ctx.State;
    ctx.Flow.BackFromLoadDialog = true;
    state.CurrentSoundtrack.clear();
    state.ItemInHand = kNoItemInHand;
    state.CurrentScene = 0;
    state.SceneLoading = false;
    state.MapOpen = false;
    state.Examining = false;
    state.QuitQueryOpen = false;
    ShowPointer(ctx, kNormalPointer);
    ctx.Windows.LoadGame.ShowModal();
    Pump(ctx);
    ctx.Flow.MenuBusy = false;
}

void MenuSceneButton(FlowContext& ctx) {
    if (ctx.State.MenuScene == 0) {
        ctx.Flow.MenuBusy = false;
        ShowPointer(ctx, kNormalPointer);
        return;
    }
    StopMenuMusic(ctx);
    Pump(ctx);
    ShowMenuScene(ctx);
}

void QuitButton(FlowContext& ctx) {
    StopMenuMusic(ctx);
    if (ctx.State.Settings.ExitPictureEnabled) {
        ShowPointer(ctx, kNormalPointer);
        ShowExitPicture(ctx);
    } else {
        ShutDown(ctx);
    }
}

}  // namespace

void PlayMenuMusic(FlowContext& ctx) {
    const GeneralSettings& s = ctx.State.Settings;
    if (s.MenuMusic.empty()) {
        return;
    }
    try {
        const std::string kind = FileKind(s.MenuMusic);
        if (kind == "wav") {
            ctx.Services.PlaySound(s.MenuMusic, true, channel::kSoundtrack, 0, s.MenuMusicVolume);
        } else if (kind == "mid") {
            ctx.Services.PlayMidi(s.MenuMusic, s.MenuMusicVolume);
        } else if (kind == "mp3") {
            ctx.Services.PlayMp3(s.MenuMusic, s.MenuMusicVolume, 0);
        }
    } catch (const RuntimeError&) {
        // The media operations report their own failures; the menu stays usable without music.
    }
}

void Buttn_Click(FlowContext& ctx, int button) {
    FlowState& flow = ctx.Flow;
    ShowPointer(ctx, kWaitPointer);
    if (flow.MenuBusy) {
        return;
    }
    MainMenu& menu = ctx.Windows.MainMenu;
    ctx.GetDesktop().SetTopmost(menu, false);
    flow.PauseElapsed = false;
    flow.MenuBusy = true;
    PlayClickSound(ctx);
    menu.PauseTimer.SetEnabled(true);
    WaitForUser(
        ctx, [&flow] { return flow.PauseElapsed; }, kPauseBoundMs);
    switch (button) {
        case kIntroButton:
            IntroButton(ctx);
            break;
        case kNewGameButton:
            StopMenuMusic(ctx);
            Pump(ctx);
            StartNewGame(ctx);
            break;
        case kLoadButton:
            LoadButton(ctx);
            break;
        case kMenuSceneButton:
            MenuSceneButton(ctx);
            break;
        case kQuitButton:
            QuitButton(ctx);
            break;
        default:
            break;
    }
}

void AttachMainMenu(FlowContext& ctx) {
    MainMenu& menu = ctx.Windows.MainMenu;
    menu.OnLoad = [&ctx] { MainMenu_Load(ctx); };
    menu.OnActivate = [&ctx] { MainMenu_Activate(ctx); };
    menu.OnMouseMove = [&ctx](const MouseArgs&) { Background_MouseMove(ctx); };
    menu.Picture1.OnMouseMove = [&ctx](const MouseArgs&) { Background_MouseMove(ctx); };
    menu.OnKeyDown = [](int& key_code, int) { key_code = 0; };
    menu.OnKeyPress = [](int& key_ascii) { key_ascii = 0; };
    menu.Buttn.ForEach([&ctx](Image& button, int index) {
        button.OnMouseMove = [&ctx, index](const MouseArgs&) { Buttn_MouseMove(ctx, index); };
        button.OnClick = [&ctx, index] { Buttn_Click(ctx, index); };
    });
    menu.PauseTimer.OnTimer = [&ctx] {
        ctx.Windows.MainMenu.PauseTimer.SetEnabled(false);
        ctx.Flow.PauseElapsed = true;
    };
}

}  // namespace morvane
