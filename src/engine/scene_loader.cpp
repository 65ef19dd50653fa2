#include "engine/scene_loader.h"

#include "base/text.h"
#include "engine/cascade.h"
#include "engine/flag_operations.h"
#include "engine/flags.h"
#include "engine/game_folder.h"
#include "engine/movie_operations.h"
#include "engine/object_update.h"
#include "engine/scene_reader.h"
#include "engine/sound_operations.h"
#include "media/sound_channels.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

inline constexpr int kBlockTimerMs = 200;

// Scene arrow control Directionl(n) for groups A, B, C, D.
constexpr std::array<int, 4> kArrowOfGroup = {1, 3, 4, 2};

void EndSceneBeingLeft(EngineContext& ctx) {
    GameState& s = ctx.State;
    if (s.CurrentScene == 0) {
        return;
    }
    if (!s.Scene.ExitSound.empty()) {
        PlayWAVMVX(ctx, s.Scene.ExitSound, false, channel::kEnterExit, s.Scene.ExitSoundPan,
                   s.Scene.ExitSoundVolume);
    }
    if (!s.Scene.ExitMovie.empty()) {
        PlayMovie(ctx, s.Scene.ExitMovie, s.Scene.ExitMovieVolume, true, true);
        WaitForMovie(ctx);
    }
}

void LoadSceneSteps(EngineContext& ctx, Integer SceneNo) {
    GameState& s = ctx.State;
    MainView& view = ctx.View;
    s.SceneLoading = true;
    s.LoadedNewScene = false;
    s.CurrentConv = 0;
    s.LastFlagSet = 0;

    if (!s.MovieFinished && s.MovieWaitRequested) {
        WaitForMovie(ctx);
    }
    if (!s.PendingMovie.empty()) {
        PlayMovie(ctx, s.PendingMovie, s.PendingMovieVolume, true, true);
        WaitForMovie(ctx);
        s.PendingMovie.clear();
    }

    if (SceneNo == s.MenuScene) {
        if (s.ItemInHand != kNoItemInHand) {
            view.ShowInventoryIcon(s.ItemInHand);
            s.ItemInHand = kNoItemInHand;
        }
        view.DisableGameButtons();
    }

    view.SetPointer(kWaitPointer);

    for (int k = 1; k <= kSlots; ++k) {
        s.SwitchPending(k) = false;
        s.ObjUsed(k) = false;
        s.ReactorUsed(k) = false;
        s.WavTriggered(k) = false;
        s.AwaitedWav(k).clear();
    }

    // The persistent, button, soundtrack and rule channels go on across the change.
    for (Integer number = channel::kFirst; number <= channel::kLastObject; ++number) {
        StopWav(ctx, number);
    }
    StopWav(ctx, channel::kDialogue);
    StopWav(ctx, channel::kEnterExit);
    StopWav(ctx, channel::kLooping);

    EndSceneBeingLeft(ctx);

    if (view.ConvBox().Visible()) {
        s.CurrentConv = 0;
        view.ConvBox().SetVisible(false);
    }

    view.SetBlockVisible(true);
    Pump(ctx);

    for (int k = 1; k <= kSlots; ++k) {
        view.Animation(k).SetVisible(false);
    }
    ReadSceneRecord(s, SceneNo);
    const unsigned long this_load = ++ctx.ScenesRead;

    const SceneHeaderState& h = s.Scene;
    if (h.JumpEnabled == 1 && h.JumpScene != 0) {
        if (SceneNo != h.JumpScene && CheckFlag(s, h.JumpFlag, h.JumpOp, h.JumpValue)) {
            s.CurrentScene = 0;
            LoadScene(ctx, h.JumpScene);
            return;
        }
        if (SceneNo == h.JumpScene) {
            LogIfOn(ctx, "CheckFlag ERROR - Scene #" + std::to_string(SceneNo) +
                             " - Cannot set 'Jump To Scene' same as Current Scene");
        }
    }

    if (s.RunningFromCD && !ctx.Hooks.CheckSceneCd(SceneNo)) {
        return;
    }

    if (!h.Background.empty()) {
        const std::string path = GfxPath(s, h.Background);
        if (!FileExists(s, path)) {
            Raise(ErrorNumber::kFileNotFound);
        }
        view.LoadScenePicture(path);
    }

    // A load started by the entry flag or by the object update has already finished the scene
    // that replaced this one; going on would set up that scene a second time.
    if (h.EntryFlagEnabled == 1) {
        SetFlag(ctx, h.EntryFlag, h.EntryFlagValue, h.EntryFlagMode);
        if (ctx.ScenesRead != this_load) {
            return;
        }
    }

    for (int group = 1; group <= 4; ++group) {
        const auto& values = s.Arrows(group);
        view.PlaceArrow(kArrowOfGroup[static_cast<std::size_t>(group - 1)], values(3), values(4),
                        values(5), values(6));
    }

    UpdateObjData(ctx);
    if (ctx.ScenesRead != this_load) {
        return;
    }

    if (!h.SceneSoundtrack.empty()) {
        Soundtrack(ctx, h.SceneSoundtrack, h.SceneSoundtrackVolume, false);
    }
    if (!h.EnterMovie.empty()) {
        PlayMovie(ctx, h.EnterMovie, h.EnterMovieVolume, true, true);
        WaitForMovie(ctx);
    }
    if (!h.EnterSound.empty()) {
        PlayWAVMVX(ctx, h.EnterSound, false, channel::kEnterExit, h.EnterSoundPan,
                   h.EnterSoundVolume);
    }
    if (!h.LoopSound.empty()) {
        PlayWAVMVX(ctx, h.LoopSound, true, channel::kLooping, h.LoopSoundPan, h.LoopSoundVolume);
    }

    ReleaseSceneInput(ctx);
    LogIfOn(ctx, "Scene" + Str(s.CurrentScene) + " loaded.");
}

}  // namespace

void LoadScene(EngineContext& ctx, Integer SceneNo) {
    RunCascadeStep(ctx, "LoadScene", [&] {
        try {
            LoadSceneSteps(ctx, SceneNo);
        } catch (const RuntimeError& error) {
            ReportTrap(ctx, "LoadScene", error);
            // The scene view would otherwise stay blocked until another load completes.
            ReleaseSceneInput(ctx);
        }
    });
}

void ReleaseSceneInput(EngineContext& ctx) {
    Timer& timer = ctx.View.BlockTimer();
    timer.SetInterval(kBlockTimerMs);
    timer.SetEnabled(true);
    ctx.State.SceneLoading = false;
}

void BlockTimer_Timer(EngineContext& ctx) {
    ctx.View.BlockTimer().SetEnabled(false);
    ctx.View.SetBlockVisible(false);
    if (ctx.State.ItemInHand == kNoItemInHand) {
        ctx.View.SetPointer(kNormalPointer);
    } else {
        ctx.View.SetHeldItemPointer();
    }
}

}  // namespace morvane
