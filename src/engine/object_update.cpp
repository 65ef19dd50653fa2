#include "engine/object_update.h"

#include <array>
#include <limits>
#include <string>

#include "engine/conversations.h"
#include "engine/flag_operations.h"
#include "engine/flags.h"
#include "engine/game_folder.h"
#include "engine/rules.h"
#include "engine/scene_loader.h"
#include "engine/sound_operations.h"

namespace morvane {
namespace {

inline constexpr int kSceneTimerMs = 700;

// Playback mode and single pass for an animation style field; nothing for a value not listed.
void ApplyStyle(ObjectPicture& picture, Integer kind, Integer style) {
    struct Style {
        Integer mode;
        Integer single;
    };
    static constexpr std::array<Style, 3> kCommon = {{{0, 0}, {2, 0}, {0, 1}}};
    static constexpr std::array<Style, 5> kReactor = {{{0, 0}, {2, 0}, {0, 0}, {2, 0}, {0, 1}}};
    const bool reactor = kind == 4;
    const int count = reactor ? 5 : 3;
    if (style < 1 || style > count) {
        return;
    }
    const Style chosen = reactor ? kReactor[static_cast<std::size_t>(style - 1)]
                                 : kCommon[static_cast<std::size_t>(style - 1)];
    picture.SetPlaybackMode(chosen.mode);
    picture.SetSinglePass(chosen.single);
}

// Visibility by field V with condition fields V+1 to V+3: 1 shown, 2 shown while the
// condition holds, anything else hidden.
bool VisibleBy(const GameState& s, const SceneObject& o, int v) {
    if (o.P(v) == 1) {
        return true;
    }
    return o.P(v) == 2 && CheckFlag(s, o.P(v + 1), o.P(v + 2), o.P(v + 3));
}

// Returns false when a Multi-Trigger asked for another scene, which has then been loaded.
bool PrepareSlots(EngineContext& ctx, std::array<std::string, kSlots + 1>& names) {
    GameState& s = ctx.State;
    for (int k = 1; k <= kSlots; ++k) {
        SceneObject& o = s.Objects(k);
        ObjectPicture& picture = ctx.View.Animation(k);
        names[static_cast<std::size_t>(k)].clear();
        std::string& name = names[static_cast<std::size_t>(k)];
        switch (o.Kind) {
            case 0:
            case 2:
            case 4:
                name = o.S(3);
                ApplyStyle(picture, o.Kind, o.P(12));
                break;
            case 1:
                name = o.S(3);
                ApplyStyle(picture, o.Kind, o.P(13));
                break;
            case 3:
                name = o.S(3);
                picture.SetPlaybackMode(0);
                picture.SetSinglePass(1);
                break;
            case 5:
                if (o.P(12) == 1) {
                    s.RespLastValue(k) = s.Flags(o.P(13));
                }
                if (o.P(12) == 2) {
                    s.AwaitedWav(k) = o.S(3);
                }
                break;
            case 7:
                s.MTLastValue1(k) = s.Flags(o.P(13));
                s.MTLastValue2(k) = s.Flags(o.P(21));
                s.MTLastValue3(k) = s.Flags(o.P(29));
                picture.SetAnimFlag(false);
                if (o.P(12) == 0) {
                    CheckMultiTriggers(ctx);
                }
                if (s.LoadedNewScene) {
                    LoadScene(ctx, s.NewScene);
                    return false;
                }
                break;
            case 8:
                s.ConvLastValue(k) = s.Flags(o.P(14));
                break;
            case 9:
                s.FCLastValue1(k) = s.Flags(o.P(14));
                s.FCLastValue2(k) = s.Flags(o.P(18));
                s.FCLastValue3(k) = s.Flags(o.P(22));
                s.FCLastValue4(k) = s.Flags(o.P(26));
                s.FCLastValue5(k) = s.Flags(o.P(30));
                s.FCLastValue6(k) = s.Flags(o.P(34));
                break;
            default:
                break;
        }
        picture.SetAnimFlag(false);
    }
    return true;
}

void UpdateObjDataSteps(EngineContext& ctx) {
    GameState& s = ctx.State;
    s.LoadsFinished = 0;
    int started = 0;
    for (int k = 1; k <= kSlots; ++k) {
        ctx.View.Animation(k).SetVisible(false);
        ctx.View.Animation(k).Stop();
    }
    for (int k = 1; k <= kSlots; ++k) {
        ctx.View.Animation(k).SetVisible(true);
    }
    std::array<std::string, kSlots + 1> names;
    if (!PrepareSlots(ctx, names)) {
        return;
    }
    for (int k = 1; k <= kSlots; ++k) {
        const Integer kind = s.Objects(k).Kind;
        if (kind == -1) {
            continue;
        }
        ObjectPicture& picture = ctx.View.Animation(k);
        const std::string& name = names[static_cast<std::size_t>(k)];
        if (!name.empty()) {
            const std::string path = GameFolder(s) + "resource\\gfx\\" + name;
            if (FileExists(s, path)) {
                picture.Load(path);
                ++started;
            } else {
                picture.ShowPlaceholder(Placeholder::kFileNotFound);
            }
        } else {
            picture.ShowPlaceholder(Placeholder::kEmpty);
        }
        if (kind >= 5 && kind <= 9) {
            picture.ClearPicture();
            picture.SetVisible(false);
        } else if (kind > 9) {
            picture.ShowPlaceholder(Placeholder::kUnknownObject);
            picture.SetVisible(true);
        }
    }
    // A picture that never reports its load must not stop the game: past the bound the update
    // goes on with whatever has loaded.
    WaitFor(
        ctx, [&] { return s.LoadsFinished >= started; }, kPictureLoadBoundMs);
    UpdateObjData2(ctx);
}

// Phase B: which slots are shown (visible kinds) or take part (rule kinds) in this update.
void DecideShown(EngineContext& ctx) {
    GameState& s = ctx.State;
    for (int k = 1; k <= kSlots; ++k) {
        const SceneObject& o = s.Objects(k);
        switch (o.Kind) {
            case 0:
                s.ObjShown(k) = VisibleBy(s, o, 16);
                if (s.ObjShown(k)) {
                    if (o.P(20) == 1) {
                        SetFlag(ctx, o.P(21), o.P(22), o.P(23));
                    }
                    if (o.P(24) == 1) {
                        AddMapLocation(ctx, o.P(25));
                    }
                }
                break;
            case 1:
                s.ObjShown(k) = VisibleBy(s, o, 25);
                break;
            case 2:
                s.ObjShown(k) = VisibleBy(s, o, 23);
                break;
            case 3:
                s.ObjShown(k) = VisibleBy(s, o, 24);
                if (s.ObjShown(k)) {
                    ObjectPicture& picture = ctx.View.Animation(k);
                    if (s.Flags(o.P(12)) == 0) {
                        picture.SetPlaybackMode(0);
                        picture.SetFrame(0);
                    } else {
                        picture.SetPlaybackMode(1);
                        picture.SetFrame(SubInteger(picture.FrameCount(), 1));
                    }
                    Pump(ctx);
                }
                break;
            case 4:
                s.ObjShown(k) = VisibleBy(s, o, 16);
                break;
            case 6:
                s.ObjShown(k) = CheckFlag(s, o.P(13), o.P(14), o.P(15));
                if (o.P(12) == 0 && s.ObjShown(k)) {
                    StartDelay(ctx, static_cast<Integer>(k), o.P(16));
                }
                if (o.P(12) == 1) {
                    s.ObjShown(k) = false;
                }
                break;
            case 7:
            case 9:
                if (o.P(12) == 0) {
                    s.ObjShown(k) = true;
                }
                break;
            case 8:
                s.ObjShown(k) = VisibleBy(s, o, 13);
                if (s.CurrentConv == k) {
                    s.ObjShown(k) = false;
                }
                break;
            default:
                break;
        }
    }
}

struct ConversationToShow {
    int slot = 0;
    Integer cue = 0;
};

// Phase C: places and starts the shown objects and leaves rule kinds out of the closing pass.
ConversationToShow PlaceObjects(EngineContext& ctx) {
    GameState& s = ctx.State;
    ConversationToShow conversation;
    for (int k = 1; k <= kSlots; ++k) {
        SceneObject& o = s.Objects(k);
        ObjectPicture& picture = ctx.View.Animation(k);
        const bool shown = s.ObjShown(k);
        const auto place = [&] {
            picture.SetVisible(true);
            picture.Place(o.Pos1, o.Pos2);
        };
        const auto slot = static_cast<Integer>(k);
        switch (o.Kind) {
            case 0:
                if (shown) {
                    place();
                    picture.Start();
                    if (!o.S(4).empty()) {
                        PlayWav(ctx, o.S(4), o.P(12) != 3, ObjectSoundChannel(s, 0, slot, 1),
                                o.P(15), o.P(14));
                    }
                }
                break;
            case 1:
                if (shown) {
                    place();
                    if (!o.S(4).empty() && !s.ObjUsed(k)) {
                        PlayWav(ctx, o.S(4), true, ObjectSoundChannel(s, 1, slot, 1), o.P(15),
                                o.P(14));
                    }
                    if (o.P(13) != 3 && !s.ObjUsed(k)) {
                        picture.Start();
                    }
                }
                break;
            case 2:
                if (shown) {
                    place();
                    if (o.P(12) != 3) {
                        picture.Start();
                        if (!o.S(4).empty()) {
                            PlayWav(ctx, o.S(4), true, ObjectSoundChannel(s, 2, slot, 1), o.P(14),
                                    o.P(13));
                        }
                    }
                }
                break;
            case 3:
                if (shown) {
                    place();
                    Pump(ctx);
                }
                break;
            case 4:
                if (shown) {
                    place();
                    if (o.P(12) == 5) {
                        picture.Stop();
                    } else {
                        picture.Start();
                    }
                    if (o.P(12) != 3 && o.P(12) != 4 && !o.S(5).empty()) {
                        PlayWav(ctx, o.S(5), true, ObjectSoundChannel(s, 4, slot, 1), o.P(15),
                                o.P(14));
                    }
                }
                break;
            case 5:
                if (o.P(16) == 1) {
                    o.Kind = -2;
                    s.ObjShown(k) = false;
                }
                break;
            case 6:
                if (!shown) {
                    o.Kind = -3;
                }
                break;
            case 7:
                if (!shown) {
                    o.Kind = -4;
                }
                break;
            case 8:
                if (o.P(13) == 1) {
                    conversation = {k, o.P(12)};
                }
                if (!shown) {
                    o.Kind = -5;
                }
                break;
            case 9:
                if (o.P(12) == 1) {
                    o.Kind = -6;
                    s.ObjShown(k) = false;
                }
                break;
            default:
                break;
        }
    }
    return conversation;
}

void UpdateObjData2Steps(EngineContext& ctx) {
    GameState& s = ctx.State;
    for (int k = 1; k <= kSlots; ++k) {
        s.ObjShown(k) = false;
    }
    DecideShown(ctx);
    const ConversationToShow conversation = PlaceObjects(ctx);
    if (conversation.slot != 0) {
        ShowConversation(ctx, conversation.cue, static_cast<Integer>(conversation.slot));
    }
    CheckHiddenObjects(ctx);
    s.JustRestored = false;
    if (s.LoadedNewScene) {
        LoadScene(ctx, s.NewScene);
        return;
    }
    for (int k = 1; k <= kSlots; ++k) {
        SceneObject& o = s.Objects(k);
        if (o.Kind <= -2 && o.Kind >= -6) {
            o.Kind = static_cast<Integer>(3 - o.Kind);
        }
    }
    for (int k = 1; k <= kSlots; ++k) {
        if (!s.ObjShown(k)) {
            ctx.View.Animation(k).SetVisible(false);
        }
        Pump(ctx);
    }
    s.SceneTimerDone = false;
    Timer& timer = ctx.View.ScnTimer();
    timer.SetInterval(kSceneTimerMs);
    timer.SetEnabled(true);
    if (!WaitFor(
            ctx, [&] { return s.SceneTimerDone; }, kTimerWaitBoundMs)) {
        timer.SetEnabled(false);
        s.SceneTimerDone = true;
    }
}

}  // namespace

void UpdateObjData(EngineContext& ctx) {
    try {
        UpdateObjDataSteps(ctx);
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "UpdateObjData", error);
    }
}

void UpdateObjData2(EngineContext& ctx) {
    try {
        UpdateObjData2Steps(ctx);
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "UpdateObjData2", error);
    }
}

void Animation_ReadFinished(EngineContext& ctx, int /*slot*/) {
    if (ctx.State.LoadsFinished < std::numeric_limits<Integer>::max()) {
        ++ctx.State.LoadsFinished;
    }
}

void ScnTimer_Timer(EngineContext& ctx) {
    ctx.View.ScnTimer().SetEnabled(false);
    ctx.State.SceneTimerDone = true;
}

}  // namespace morvane
