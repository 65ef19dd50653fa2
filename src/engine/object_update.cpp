#include "engine/object_update.h"

#include <array>
#include <limits>
#include <string>

#include "database/object_views.h"
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
    static constexpr std::array<Style, 3> kCommonStyles = {{{0, 0}, {2, 0}, {0, 1}}};
    static constexpr std::array<Style, 5> kReactorStyles = {
        {{0, 0}, {2, 0}, {0, 0}, {2, 0}, {0, 1}}};
    const bool reactor = kind == kReactor;
    const int count = reactor ? 5 : 3;
    if (style < 1 || style > count) {
        return;
    }
    const Style chosen = reactor ? kReactorStyles[static_cast<std::size_t>(style - 1)]
                                 : kCommonStyles[static_cast<std::size_t>(style - 1)];
    picture.SetPlaybackMode(chosen.mode);
    picture.SetSinglePass(chosen.single);
}

bool Holds(const GameState& s, const FlagCondition& c) {
    return CheckFlag(s, c.Flag, c.Op, c.Value);
}

// 1 shown, 2 shown while the condition holds, anything else hidden.
bool VisibleBy(const GameState& s, const Visibility& v) {
    if (v.Mode == 1) {
        return true;
    }
    return v.Mode == 2 && Holds(s, v.Condition);
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
            case kAmbient:
                name = AmbientView(o).Picture();
                ApplyStyle(picture, o.Kind, AmbientView(o).Style());
                break;
            case kGoodie:
                name = GoodieView(o).Picture();
                ApplyStyle(picture, o.Kind, GoodieView(o).Style());
                break;
            case kReactor:
                name = ReactorView(o).Picture();
                ApplyStyle(picture, o.Kind, ReactorView(o).Reaction());
                break;
            case kLink:
                name = LinkView(o).Picture();
                ApplyStyle(picture, o.Kind, LinkView(o).Style());
                break;
            case kSwitch:
                name = SwitchView(o).Picture();
                picture.SetPlaybackMode(0);
                picture.SetSinglePass(1);
                break;
            case kResponder: {
                const ResponderView responder(o);
                if (responder.Trigger() == 1) {
                    s.RespLastValue(k) = s.Flags(responder.ConditionFlag());
                }
                if (responder.Trigger() == 2) {
                    s.AwaitedWav(k) = responder.AwaitedSound();
                }
                break;
            }
            case kMultiTrigger: {
                const MultiTriggerView multi(o);
                for (int t = 1; t <= MultiTriggerView<SceneObject>::kTriggers; ++t) {
                    s.MTLastValue(t)(k) = s.Flags(multi.TriggerFlag(t));
                }
                picture.SetAnimFlag(false);
                if (multi.Mode() == 0) {
                    CheckMultiTriggers(ctx);
                }
                if (s.LoadedNewScene) {
                    LoadScene(ctx, s.NewScene);
                    return false;
                }
                break;
            }
            case kConversation:
                s.ConvLastValue(k) = s.Flags(ConversationView(o).Condition().Flag);
                break;
            case kFlagConjunction:
                for (int c = 1; c <= FlagConjunctionView<SceneObject>::kTerms; ++c) {
                    s.FCLastValue(c)(k) = s.Flags(FlagConjunctionView(o).Term(c).Condition.Flag);
                }
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
        if (kind == used_up::kFired) {
            continue;
        }
        ObjectPicture& picture = ctx.View.Animation(k);
        const std::string& name = names[static_cast<std::size_t>(k)];
        if (!name.empty()) {
            const std::string path = GfxPath(s, name);
            if (FileExists(s, path)) {
                picture.Load(path);
                ++started;
            } else {
                picture.ShowPlaceholder(Placeholder::kFileNotFound);
            }
        } else {
            picture.ShowPlaceholder(Placeholder::kEmpty);
        }
        if (IsRuleKind(kind)) {
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
            case kAmbient: {
                const AmbientView ambient(o);
                s.ObjShown(k) = VisibleBy(s, ambient.Shown());
                if (s.ObjShown(k)) {
                    if (ambient.SetsFlag() == 1) {
                        const FlagChange change = ambient.Change();
                        SetFlag(ctx, change.Flag, change.Value, change.Mode);
                    }
                    if (ambient.AddsLocation() == 1) {
                        AddMapLocation(ctx, ambient.Location());
                    }
                }
                break;
            }
            case kLink:
                s.ObjShown(k) = VisibleBy(s, LinkView(o).Shown());
                break;
            case kGoodie:
                s.ObjShown(k) = VisibleBy(s, GoodieView(o).Shown());
                break;
            case kSwitch:
                s.ObjShown(k) = VisibleBy(s, SwitchView(o).Shown());
                if (s.ObjShown(k)) {
                    ObjectPicture& picture = ctx.View.Animation(k);
                    if (s.Flags(SwitchView(o).Flag()) == 0) {
                        picture.SetPlaybackMode(0);
                        picture.SetFrame(0);
                    } else {
                        picture.SetPlaybackMode(1);
                        picture.SetFrame(SubInteger(picture.FrameCount(), 1));
                    }
                    Pump(ctx);
                }
                break;
            case kReactor:
                s.ObjShown(k) = VisibleBy(s, ReactorView(o).Shown());
                break;
            case kDelay: {
                const DelayView delay(o);
                s.ObjShown(k) = Holds(s, delay.Condition());
                if (delay.Arming() == 0 && s.ObjShown(k)) {
                    StartDelay(ctx, static_cast<Integer>(k), delay.Seconds());
                }
                if (delay.Arming() == 1) {
                    s.ObjShown(k) = false;
                }
                break;
            }
            case kMultiTrigger:
                if (MultiTriggerView(o).Mode() == 0) {
                    s.ObjShown(k) = true;
                }
                break;
            case kFlagConjunction:
                if (FlagConjunctionView(o).Repeats() == 0) {
                    s.ObjShown(k) = true;
                }
                break;
            case kConversation:
                s.ObjShown(k) = VisibleBy(s, ConversationView(o).Shown());
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
            case kAmbient: {
                const AmbientView ambient(o);
                if (shown) {
                    place();
                    picture.Start();
                    if (!ambient.Sound().empty()) {
                        PlayWav(ctx, ambient.Sound(), ambient.Style() != 3,
                                ObjectSoundChannel(s, kAmbient, slot, 1), ambient.SoundPan(),
                                ambient.SoundVolume());
                    }
                }
                break;
            }
            case kLink: {
                const LinkView link(o);
                if (shown) {
                    place();
                    if (!link.Sound().empty() && !s.ObjUsed(k)) {
                        PlayWav(ctx, link.Sound(), true, ObjectSoundChannel(s, kLink, slot, 1),
                                link.SoundPan(), link.SoundVolume());
                    }
                    if (link.Style() != 3 && !s.ObjUsed(k)) {
                        picture.Start();
                    }
                }
                break;
            }
            case kGoodie: {
                const GoodieView goodie(o);
                if (shown) {
                    place();
                    if (goodie.Style() != 3) {
                        picture.Start();
                        if (!goodie.Sound().empty()) {
                            PlayWav(ctx, goodie.Sound(), true,
                                    ObjectSoundChannel(s, kGoodie, slot, 1), goodie.SoundPan(),
                                    goodie.SoundVolume());
                        }
                    }
                }
                break;
            }
            case kSwitch:
                if (shown) {
                    place();
                    Pump(ctx);
                }
                break;
            case kReactor: {
                const ReactorView reactor(o);
                if (shown) {
                    place();
                    if (reactor.Reaction() == 5) {
                        picture.Stop();
                    } else {
                        picture.Start();
                    }
                    if (reactor.Reaction() != 3 && reactor.Reaction() != 4 &&
                        !reactor.Sound().empty()) {
                        PlayWav(ctx, reactor.Sound(), true,
                                ObjectSoundChannel(s, kReactor, slot, 1), reactor.SoundPan(),
                                reactor.SoundVolume());
                    }
                }
                break;
            }
            case kResponder:
                if (ResponderView(o).OnChangeOnly() == 1) {
                    o.Kind = SetAside(kResponder);
                    s.ObjShown(k) = false;
                }
                break;
            case kDelay:
                if (!shown) {
                    o.Kind = SetAside(kDelay);
                }
                break;
            case kMultiTrigger:
                if (!shown) {
                    o.Kind = SetAside(kMultiTrigger);
                }
                break;
            case kConversation: {
                const ConversationView conv(o);
                if (conv.ShowMode() == 1) {
                    conversation = {k, conv.CueCard()};
                }
                if (!shown) {
                    o.Kind = SetAside(kConversation);
                }
                break;
            }
            case kFlagConjunction:
                if (FlagConjunctionView(o).Repeats() == 1) {
                    o.Kind = SetAside(kFlagConjunction);
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
        if (IsSetAside(o.Kind)) {
            o.Kind = RestoredFromSetAside(o.Kind);
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
