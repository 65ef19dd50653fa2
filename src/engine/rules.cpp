#include "engine/rules.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "base/text.h"
#include "engine/cascade.h"
#include "engine/conversations.h"
#include "engine/flag_operations.h"
#include "engine/flags.h"
#include "engine/movie_operations.h"
#include "engine/sound_operations.h"

namespace morvane {
namespace {

// What one pass remembers about the conversation box until all slots are done.
struct ConversationChoice {
    int show_slot = 0;
    Integer show_cue = 0;
    int hide_slot = 0;
};

std::string Extension(const std::string& name) {
    return ToLowerAscii(name.size() >= 3 ? std::string_view(name).substr(name.size() - 3)
                                         : std::string_view(name));
}

Table<Integer, 0, kSlots>& MTLastValue(GameState& s, int trigger) {
    switch (trigger) {
        case 1:
            return s.MTLastValue1;
        case 2:
            return s.MTLastValue2;
        default:
            return s.MTLastValue3;
    }
}

Table<Integer, 0, kSlots>& FCLastValue(GameState& s, int condition) {
    switch (condition) {
        case 1:
            return s.FCLastValue1;
        case 2:
            return s.FCLastValue2;
        case 3:
            return s.FCLastValue3;
        case 4:
            return s.FCLastValue4;
        case 5:
            return s.FCLastValue5;
        default:
            return s.FCLastValue6;
    }
}

std::string ConditionText(Integer flag, Integer op, Integer value) {
    return "Flag" + Str(flag) + OperatorLogName(op) + std::to_string(value) + ". Taking action...";
}

void Responder(EngineContext& ctx, int i) {
    GameState& s = ctx.State;
    SceneObject& o = s.Objects(i);
    bool fire = false;
    if (o.P(12) == 1 && CheckFlag(s, o.P(13), o.P(14), o.P(15))) {
        fire = true;
    }
    if (o.P(12) == 2 && s.WavTriggered(i)) {
        fire = true;
        s.WavTriggered(i) = false;
    }
    if (!fire) {
        return;
    }
    if (o.P(12) == 1 && o.P(16) == 1 &&
        (s.Flags(o.P(13)) == s.RespLastValue(i) || s.JustRestored)) {
        return;
    }
    const std::string index = "[Resp Index #" + Str(i) + "] ";
    if (o.P(12) == 2) {
        LogIfOn(ctx, index + "'" + s.AwaitedWav(i) + "' played. Taking action...");
    } else {
        LogIfOn(ctx, index + ConditionText(o.P(13), o.P(14), o.P(15)));
    }
    o.Kind = -1;
    s.RespLastValue(i) = s.Flags(o.P(13));
    if (o.P(22) == 1 && o.P(23) != 0) {
        ctx.View.SetPointer(MainView::kWaitPointer);
    }
    if (o.P(17) == 1 && !o.S(4).empty()) {
        Soundtrack(ctx, o.S(4), o.P(18), false);
        s.Scene.SceneSoundtrack.clear();
    }
    if (o.P(19) == 1 && !o.S(5).empty()) {
        const std::string media = o.S(5);
        const std::string kind = Extension(media);
        if (kind == "wav") {
            // The responder's own sound must not count as the sound it waits for.
            const std::string awaited = s.AwaitedWav(i);
            s.AwaitedWav(i).clear();
            const Integer channel =
                o.P(22) == 0 ? ObjectSoundChannel(s, 5, static_cast<Integer>(i), 1) : Integer{20};
            PlayWav(ctx, media, false, channel, o.P(21), o.P(20));
            s.AwaitedWav(i) = awaited;
        } else if (kind == "avi" && o.P(22) == 0) {
            PlayMovie(ctx, media, o.P(20), true, false);
        }
    }
    if (o.P(24) == 1) {
        SetFlag(ctx, o.P(25), o.P(26), o.P(27));
    }
    if (o.P(28) == 1 && o.P(29) > 0) {
        AddMapLocation(ctx, o.P(29));
    }
    if (o.P(30) == 1 && o.P(31) > 0) {
        ctx.Hooks.AddInventoryItem(o.P(31), 0, 0);
    }
    if (o.P(22) == 1 && o.P(23) != 0) {
        s.Scene.ExitSound.clear();
        s.Scene.ExitMovie.clear();
        if (o.P(19) == 1 && !o.S(5).empty() && Extension(o.S(5)) == "avi") {
            s.Scene.ExitMovie = o.S(5);
            s.Scene.ExitMovieVolume = o.P(20);
        }
        LogIfOn(ctx, index + "Switch to Scene" + Str(o.P(23)));
        s.LoadedNewScene = true;
        s.NewScene = o.P(23);
    }
}

void Delay(EngineContext& ctx, int i) {
    GameState& s = ctx.State;
    SceneObject& o = s.Objects(i);
    if (!CheckFlag(s, o.P(13), o.P(14), o.P(15))) {
        return;
    }
    LogIfOn(ctx, "[Delay Index #" + Str(i) + "] " + ConditionText(o.P(13), o.P(14), o.P(15)));
    o.Kind = -1;
    DelayState& delay = s.Delays(i);
    delay.DelayFlag = o.P(17);
    delay.DelayValue = o.P(18);
    delay.DelayMode = o.P(19);
    StartDelay(ctx, static_cast<Integer>(i), o.P(16));
}

// One trigger of a Multi-Trigger, read before its action can change the slot.
struct Trigger {
    int number = 0;
    Integer flag = 0;
    Integer op = 0;
    Integer value = 0;
    bool sets_flag = false;
    Integer set_flag = 0;
    Integer set_value = 0;
    Integer set_mode = 0;
    Integer scene = 0;
};

Trigger ReadTrigger(const SceneObject& o, int t) {
    const int b = 13 + 8 * (t - 1);
    return Trigger{t,          o.P(b),     o.P(b + 1), o.P(b + 2), o.P(b + 3) == 1,
                   o.P(b + 4), o.P(b + 5), o.P(b + 6), o.P(b + 7)};
}

// Takes a selected trigger: logs it, remembers its flag, runs its action and asks for its scene.
void TakeTrigger(EngineContext& ctx, int i, const Trigger& t, bool pump_after_action) {
    GameState& s = ctx.State;
    const std::string index =
        "[Multi-Trigger Index #" + Str(i) + "-" + std::to_string(t.number) + "] ";
    if (t.scene != 0) {
        ctx.View.SetPointer(MainView::kWaitPointer);
    }
    LogIfOn(ctx, index + ConditionText(t.flag, t.op, t.value));
    MTLastValue(s, t.number)(i) = s.Flags(t.flag);
    if (t.sets_flag && t.set_flag != 0) {
        SetFlag(ctx, t.set_flag, t.set_value, t.set_mode);
    }
    if (pump_after_action) {
        Pump(ctx);
    }
    if (t.scene != 0) {
        LogIfOn(ctx, index + "Switch to Scene" + Str(t.scene));
        s.LoadedNewScene = true;
        s.NewScene = t.scene;
    }
}

void MultiTrigger(EngineContext& ctx, int i) {
    GameState& s = ctx.State;
    const SceneObject& o = s.Objects(i);
    Trigger selected;
    for (int t = 1; t <= 3 && selected.number == 0; ++t) {
        const Trigger candidate = ReadTrigger(o, t);
        if (!CheckFlag(s, candidate.flag, candidate.op, candidate.value)) {
            continue;
        }
        if (o.P(12) == 1) {
            if (s.Flags(candidate.flag) == MTLastValue(s, t)(i)) {
                continue;
            }
            if (s.JustRestored) {
                return;
            }
        }
        selected = candidate;
    }
    if (selected.number == 0 || s.Flags(selected.flag) == MTLastValue(s, selected.number)(i)) {
        return;
    }
    TakeTrigger(ctx, i, selected, false);
}

void Conversation(EngineContext& ctx, int i, ConversationChoice& choice) {
    GameState& s = ctx.State;
    const SceneObject& o = s.Objects(i);
    if (o.P(13) != 2) {
        return;
    }
    if (CheckFlag(s, o.P(14), o.P(15), o.P(16))) {
        if (s.CurrentConv == i) {
            return;
        }
        if (o.P(18) == 1 && s.Flags(o.P(14)) == s.ConvLastValue(i) && s.LastFlagSet != o.P(14)) {
            return;
        }
        LogIfOn(ctx, "[Conv Index #" + Str(i) + "] " + ConditionText(o.P(14), o.P(15), o.P(16)));
        choice.show_slot = i;
        choice.show_cue = o.P(12);
    } else if (ctx.View.ConvBox().Visible() && s.CurrentConv == i) {
        choice.hide_slot = i;
    }
}

void FlagConjunction(EngineContext& ctx, int i) {
    GameState& s = ctx.State;
    SceneObject& o = s.Objects(i);
    const auto enabled = [&](int c) { return o.P(13 + 4 * (c - 1)); };
    const auto flag = [&](int c) { return o.P(14 + 4 * (c - 1)); };
    if (o.P(12) == 1) {
        int n = 0;
        int unchanged = 0;
        bool concerns_last_flag = false;
        for (int c = 1; c <= 6; ++c) {
            n += enabled(c);
            if (enabled(c) == 1) {
                unchanged += s.Flags(flag(c)) == FCLastValue(s, c)(i) ? 1 : 0;
                concerns_last_flag = concerns_last_flag || flag(c) == s.LastFlagSet;
            }
        }
        if (n - unchanged < 1 || !concerns_last_flag) {
            return;
        }
    }
    for (int c = 1; c <= 6; ++c) {
        const int base = 13 + 4 * (c - 1);
        if (enabled(c) == 1 && !CheckFlag(s, o.P(base + 1), o.P(base + 2), o.P(base + 3))) {
            return;
        }
    }
    LogIfOn(ctx, "[Flag Conj. Index #" + Str(i) + "] Conditions true. Taking action...");
    o.Kind = o.P(12) == 1 ? Integer{-6} : Integer{-99};
    SetFlag(ctx, RoundToInteger(Val(o.S(3))), RoundToInteger(Val(o.S(4))),
            RoundToInteger(Val(o.S(5))));
    for (int c = 1; c <= 6; ++c) {
        FCLastValue(s, c)(i) = s.Flags(flag(c));
    }
}

void Pass(EngineContext& ctx) {
    GameState& s = ctx.State;
    ConversationChoice choice;
    for (int i = 1; i <= kSlots; ++i) {
        switch (s.Objects(i).Kind) {
            case 5:
                Responder(ctx, i);
                break;
            case 6:
                Delay(ctx, i);
                break;
            case 7:
                MultiTrigger(ctx, i);
                break;
            case 8:
                Conversation(ctx, i, choice);
                break;
            case 9:
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
        if (o.Kind != 7) {
            continue;
        }
        Trigger selected;
        for (int t = 1; t <= 3 && selected.number == 0; ++t) {
            const Trigger candidate = ReadTrigger(o, t);
            if (CheckFlag(s, candidate.flag, candidate.op, candidate.value)) {
                selected = candidate;
            }
        }
        if (selected.number == 0) {
            continue;
        }
        TakeTrigger(ctx, i, selected, true);
        if (selected.scene != 0) {
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
