#include "engine/rules.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "base/text.h"
#include "database/object_views.h"
#include "engine/cascade.h"
#include "engine/conversations.h"
#include "engine/flag_operations.h"
#include "engine/flags.h"
#include "engine/movie_operations.h"
#include "engine/sound_operations.h"
#include "media/sound_channels.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

// What one pass remembers about the conversation box until all slots are done.
struct ConversationChoice {
    int show_slot = 0;
    Integer show_cue = 0;
    int hide_slot = 0;
};

std::string ConditionText(const FlagCondition& c) {
    return "Flag" + Str(c.Flag) + OperatorLogName(c.Op) + std::to_string(c.Value) +
           ". Taking action...";
}

bool Holds(const GameState& s, const FlagCondition& c) {
    return CheckFlag(s, c.Flag, c.Op, c.Value);
}

void ChangeFlag(EngineContext& ctx, const FlagChange& change) {
    SetFlag(ctx, change.Flag, change.Value, change.Mode);
}

void Responder(EngineContext& ctx, int i) {
    GameState& s = ctx.State;
    SceneObject& o = s.Objects(i);
    const ResponderView r(o);
    bool fire = false;
    if (r.Trigger() == 1 && Holds(s, r.Condition())) {
        fire = true;
    }
    if (r.Trigger() == 2 && s.WavTriggered(i)) {
        fire = true;
        s.WavTriggered(i) = false;
    }
    if (!fire) {
        return;
    }
    if (r.Trigger() == 1 && r.OnChangeOnly() == 1 &&
        (s.Flags(r.ConditionFlag()) == s.RespLastValue(i) || s.JustRestored)) {
        return;
    }
    const std::string index = "[Resp Index #" + Str(i) + "] ";
    if (r.Trigger() == 2) {
        LogIfOn(ctx, index + "'" + s.AwaitedWav(i) + "' played. Taking action...");
    } else {
        LogIfOn(ctx, index + ConditionText(r.Condition()));
    }
    o.Kind = used_up::kFired;
    s.RespLastValue(i) = s.Flags(r.ConditionFlag());
    if (r.ChangesScene() == 1 && r.Scene() != 0) {
        ctx.View.SetPointer(kWaitPointer);
    }
    if (r.PlaysMusic() == 1 && !r.Music().empty()) {
        Soundtrack(ctx, r.Music(), r.MusicVolume(), false);
        s.Scene.SceneSoundtrack.clear();
    }
    if (r.PlaysMedia() == 1 && !r.Media().empty()) {
        const std::string media = r.Media();
        const std::string kind = FileKind(media);
        if (kind == "wav") {
            // The responder's own sound must not count as the sound it waits for.
            const std::string awaited = s.AwaitedWav(i);
            s.AwaitedWav(i).clear();
            const Integer channel =
                r.ChangesScene() == 0
                    ? ObjectSoundChannel(s, kResponder, static_cast<Integer>(i), 1)
                    : channel::kRules;
            PlayWav(ctx, media, false, channel, r.MediaPan(), r.MediaVolume());
            s.AwaitedWav(i) = awaited;
        } else if (kind == "avi" && r.ChangesScene() == 0) {
            PlayMovie(ctx, media, r.MediaVolume(), true, false);
        }
    }
    if (r.SetsFlag() == 1) {
        ChangeFlag(ctx, r.Change());
    }
    if (r.AddsLocation() == 1 && r.Location() > 0) {
        AddMapLocation(ctx, r.Location());
    }
    if (r.AddsItem() == 1 && r.Item() > 0) {
        ctx.Hooks.AddInventoryItem(r.Item(), 0, 0);
    }
    if (r.ChangesScene() == 1 && r.Scene() != 0) {
        s.Scene.ExitSound.clear();
        s.Scene.ExitMovie.clear();
        if (r.PlaysMedia() == 1 && !r.Media().empty() && FileKind(r.Media()) == "avi") {
            s.Scene.ExitMovie = r.Media();
            s.Scene.ExitMovieVolume = r.MediaVolume();
        }
        LogIfOn(ctx, index + "Switch to Scene" + Str(r.Scene()));
        s.LoadedNewScene = true;
        s.NewScene = r.Scene();
    }
}

void Delay(EngineContext& ctx, int i) {
    GameState& s = ctx.State;
    SceneObject& o = s.Objects(i);
    const DelayView d(o);
    if (!Holds(s, d.Condition())) {
        return;
    }
    LogIfOn(ctx, "[Delay Index #" + Str(i) + "] " + ConditionText(d.Condition()));
    o.Kind = used_up::kFired;
    DelayState& delay = s.Delays(i);
    const FlagChange change = d.Change();
    delay.DelayFlag = change.Flag;
    delay.DelayValue = change.Value;
    delay.DelayMode = change.Mode;
    StartDelay(ctx, static_cast<Integer>(i), d.Seconds());
}

// One trigger of a Multi-Trigger, read before its action can change the slot.
struct Trigger {
    int number = 0;
    MultiTriggerStep step;
};

// Takes a selected trigger: logs it, remembers its flag, runs its action and asks for its scene.
void TakeTrigger(EngineContext& ctx, int i, const Trigger& t, bool pump_after_action) {
    GameState& s = ctx.State;
    const std::string index =
        "[Multi-Trigger Index #" + Str(i) + "-" + std::to_string(t.number) + "] ";
    const MultiTriggerStep& step = t.step;
    if (step.Scene != 0) {
        ctx.View.SetPointer(kWaitPointer);
    }
    LogIfOn(ctx, index + ConditionText(step.Condition));
    s.MTLastValue(t.number)(i) = s.Flags(step.Condition.Flag);
    if (step.SetsFlag == 1 && step.Change.Flag != 0) {
        ChangeFlag(ctx, step.Change);
    }
    if (pump_after_action) {
        Pump(ctx);
    }
    if (step.Scene != 0) {
        LogIfOn(ctx, index + "Switch to Scene" + Str(step.Scene));
        s.LoadedNewScene = true;
        s.NewScene = step.Scene;
    }
}

void MultiTrigger(EngineContext& ctx, int i) {
    GameState& s = ctx.State;
    const MultiTriggerView multi(s.Objects(i));
    Trigger selected;
    for (int t = 1; t <= MultiTriggerView<SceneObject>::kTriggers && selected.number == 0; ++t) {
        const Trigger candidate{t, multi.Trigger(t)};
        if (!Holds(s, candidate.step.Condition)) {
            continue;
        }
        if (multi.Mode() == 1) {
            if (s.Flags(candidate.step.Condition.Flag) == s.MTLastValue(t)(i)) {
                continue;
            }
            if (s.JustRestored) {
                return;
            }
        }
        selected = candidate;
    }
    if (selected.number == 0 ||
        s.Flags(selected.step.Condition.Flag) == s.MTLastValue(selected.number)(i)) {
        return;
    }
    TakeTrigger(ctx, i, selected, false);
}

void Conversation(EngineContext& ctx, int i, ConversationChoice& choice) {
    GameState& s = ctx.State;
    const ConversationView conv(s.Objects(i));
    if (conv.ShowMode() != 2) {
        return;
    }
    const FlagCondition condition = conv.Condition();
    if (Holds(s, condition)) {
        if (s.CurrentConv == i) {
            return;
        }
        if (conv.OnChangeOnly() == 1 && s.Flags(condition.Flag) == s.ConvLastValue(i) &&
            s.LastFlagSet != condition.Flag) {
            return;
        }
        LogIfOn(ctx, "[Conv Index #" + Str(i) + "] " + ConditionText(condition));
        choice.show_slot = i;
        choice.show_cue = conv.CueCard();
    } else if (ctx.View.ConvBox().Visible() && s.CurrentConv == i) {
        choice.hide_slot = i;
    }
}

void FlagConjunction(EngineContext& ctx, int i) {
    GameState& s = ctx.State;
    SceneObject& o = s.Objects(i);
    const FlagConjunctionView fc(o);
    constexpr int kTerms = FlagConjunctionView<SceneObject>::kTerms;
    if (fc.Repeats() == 1) {
        // The enable fields are summed as they are: a field other than 0 or 1 counts too.
        int n = 0;
        int unchanged = 0;
        bool concerns_last_flag = false;
        for (int c = 1; c <= kTerms; ++c) {
            const ConjunctionTerm term = fc.Term(c);
            n += term.Enabled;
            if (term.Enabled == 1) {
                unchanged += s.Flags(term.Condition.Flag) == s.FCLastValue(c)(i) ? 1 : 0;
                concerns_last_flag = concerns_last_flag || term.Condition.Flag == s.LastFlagSet;
            }
        }
        if (n - unchanged < 1 || !concerns_last_flag) {
            return;
        }
    }
    for (int c = 1; c <= kTerms; ++c) {
        const ConjunctionTerm term = fc.Term(c);
        if (term.Enabled == 1 && !Holds(s, term.Condition)) {
            return;
        }
    }
    LogIfOn(ctx, "[Flag Conj. Index #" + Str(i) + "] Conditions true. Taking action...");
    o.Kind = fc.Repeats() == 1 ? SetAside(kFlagConjunction) : used_up::kSpentForTheVisit;
    SetFlag(ctx, RoundToInteger(Val(fc.FlagText())), RoundToInteger(Val(fc.ValueText())),
            RoundToInteger(Val(fc.ModeText())));
    for (int c = 1; c <= kTerms; ++c) {
        s.FCLastValue(c)(i) = s.Flags(fc.Term(c).Condition.Flag);
    }
}

void Pass(EngineContext& ctx) {
    GameState& s = ctx.State;
    ConversationChoice choice;
    for (int i = 1; i <= kSlots; ++i) {
        switch (s.Objects(i).Kind) {
            case kResponder:
                Responder(ctx, i);
                break;
            case kDelay:
                Delay(ctx, i);
                break;
            case kMultiTrigger:
                MultiTrigger(ctx, i);
                break;
            case kConversation:
                Conversation(ctx, i, choice);
                break;
            case kFlagConjunction:
                FlagConjunction(ctx, i);
                break;
            default:
                break;
        }
        Pump(ctx);
    }
    if (choice.hide_slot != 0 && s.CurrentConv != 0 && choice.show_slot == 0) {
        LogIfOn(ctx, "[Conv Index #" + Str(choice.hide_slot) + "] Hide Conversation Box");
        ctx.View.ConvBox().SetVisible(false);
        s.CurrentConv = 0;
    }
    if (choice.show_slot != 0) {
        ShowConversation(ctx, choice.show_cue, static_cast<Integer>(choice.show_slot));
    }
}

}  // namespace

void CheckHiddenObjects(EngineContext& ctx) {
    RunCascadeStep(ctx, "CheckHiddenObjects", [&] {
        try {
            Pass(ctx);
        } catch (const RuntimeError& error) {
            ShowMessage(ctx,
                        "Error in sub 'CheckHiddenObjects'.\rError #" + Str(error.Number()) +
                            " : " + error.Description(),
                        MsgBoxIcon::kNone);
        }
    });
}

void CheckMultiTriggers(EngineContext& ctx) {
    GameState& s = ctx.State;
    s.LoadedNewScene = false;
    for (int i = 1; i <= kSlots; ++i) {
        const SceneObject& o = s.Objects(i);
        if (o.Kind != kMultiTrigger) {
            continue;
        }
        const MultiTriggerView multi(o);
        Trigger selected;
        for (int t = 1; t <= MultiTriggerView<SceneObject>::kTriggers && selected.number == 0;
             ++t) {
            const Trigger candidate{t, multi.Trigger(t)};
            if (Holds(s, candidate.step.Condition)) {
                selected = candidate;
            }
        }
        if (selected.number == 0) {
            continue;
        }
        TakeTrigger(ctx, i, selected, true);
        if (selected.step.Scene != 0) {
            return;
        }
    }
}

std::string OperatorLogName(Integer op) {
    switch (op) {
        case 0:
            return "= ";
        case 1:
            return "<> ";
        case 2:
            return "< ";
        case 3:
            return "> ";
        default:
            return "";
    }
}

double Val(std::string_view text) {
    std::string number;
    std::size_t i = 0;
    const auto skip_blanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
    };
    skip_blanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        number += text[i++];
    }
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else if (c != ' ') {
            break;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace morvane
