#include "interaction/main_window_events.h"

#include "base/text.h"
#include "engine/movie_operations.h"
#include "engine/sound_operations.h"
#include "interaction/pointer_model.h"
#include "media/sound_channels.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

constexpr int kKeyF2 = 113;
constexpr int kKeyF3 = 114;

void ShowStatus(InteractionContext& ctx, const std::string& text) {
    Main& main = ctx.Win.Main;
    main.Msg.SetCaption(text);
    main.MsgStatus.SetVisible(true);
    main.MsgTimer.SetEnabled(true);
}

}  // namespace

void Main_Load(InteractionContext& ctx) {
    Main& main = ctx.Win.Main;
    const Desktop& desktop = main.GetDesktop();
    main.Block.Move(Main::kSceneLeft, Main::kSceneTop, Main::kSceneWidth, Main::kSceneHeight);
    main.Picture1.Move(0, 0);
    if (desktop.ScreenWidth() > Main::kWidth) {
        main.Picture1.Move(desktop.ScreenWidth() / 2 - main.Picture1.Width() / 2,
                           desktop.ScreenHeight() / 2 - main.Picture1.Height() / 2);
        main.Block.Move(main.Picture1.Left() + Main::kSceneLeft,
                        main.Picture1.Top() + Main::kSceneTop);
    }
    AssignPointerImage(ctx, kNormalPointer);
    main.MsgStatus.Move(main.Picture1.Left() + main.ScnImg.Left() +
                            (main.ScnImg.Width() - main.MsgStatus.Width()) / 2,
                        main.Picture1.Top() + main.ScnImg.Top() +
                            (main.ScnImg.Height() - main.MsgStatus.Height()) / 2);
    main.ConvBox.SetLeft(343);
    main.Animation.ForEach([](AnimatedPicture& picture, int) { picture.ZOrder(); });
    main.ConvBox.ZOrder();
    main.AVIBG.ZOrder();
    main.MovieWindow.ZOrder();
    main.Block.ZOrder();
    main.MsgStatus.ZOrder();
    GameState& s = ctx.State();
    s.ItemInHand = kNoItemInHand;
    s.CurrentSoundtrack.clear();
    ctx.Closeup.Slot = 0;
    ctx.Closeup.Ready = false;
}

void Main_KeyDown(InteractionContext& ctx, int& KeyCode) {
    switch (KeyCode) {
        case key::kEscape:
            if (ctx.Engine.MovieStarted) {
                Pump(ctx.Engine);
                CancelMovie(ctx.Engine);
            }
            break;
        case key::kF1:
            if (!ctx.State().SceneLoading) {
                ToggleMusic(ctx);
            }
            break;
        case kKeyF2:
        case kKeyF3:
            return;
        default:
            break;
    }
    KeyCode = 0;
}

void Main_KeyPress(int& KeyAscii) {
    KeyAscii = 0;
}

void MsgTimer_Timer(InteractionContext& ctx) {
    ctx.Win.Main.MsgTimer.SetEnabled(false);
    ctx.Win.Main.MsgStatus.SetVisible(false);
}

void ScnImg_MouseMove(InteractionContext& ctx) {
    HoverReset(ctx, true);
    if (WaitPointerShown(ctx)) {
        return;
    }
    if (ItemIsInHand(ctx)) {
        ShowPointer(ctx, ctx.Win.Main.FlashFixIcon.Picture());
    } else {
        ShowPointerImage(ctx, kNormalPointer);
    }
}

void Background_MouseMove(InteractionContext& ctx) {
    HoverReset(ctx, true);
    ShowPointerImage(ctx, kNormalPointer);
}

void Caption_MouseMove(InteractionContext& ctx) {
    HoverReset(ctx, true);
    AssignPointerImage(ctx, kNormalPointer);
}

void ToggleMusic(InteractionContext& ctx) {
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    try {
        if (!s.MusicOn) {
            s.MusicOn = true;
            LogIfOn(e, "Music toggled on");
            if (!s.CurrentSoundtrack.empty()) {
                Soundtrack(e, s.CurrentSoundtrack, s.CurrentSoundtrackVolume, true);
            }
            ShowStatus(ctx, "MUSIC ON");
            return;
        }
        s.MusicOn = false;
        LogIfOn(e, "Music toggled off");
        const std::string& current = s.CurrentSoundtrack;
        const std::string kind = FileKind(current);
        if (kind == "mp3") {
            e.Music.StopMp3();
        } else if (kind == "wav") {
            StopWav(e, channel::kSoundtrack);
        } else if (kind == "mid") {
            e.Music.StopMidi();
        }
        ShowStatus(ctx, "MUSIC OFF");
    } catch (const RuntimeError& error) {
        ReportTrap(e, "ToggleMusic", error);
    }
}

}  // namespace morvane
