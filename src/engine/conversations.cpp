#include "engine/conversations.h"

#include <algorithm>
#include <string>

#include "base/text.h"
#include "database/object_views.h"
#include "engine/button_sounds.h"
#include "engine/cascade.h"
#include "engine/database_open.h"
#include "engine/flag_operations.h"
#include "engine/movie_operations.h"
#include "engine/sound_operations.h"
#include "media/sound_channels.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

// The box's right edge stays at this place; the box is this much wider than its widest line.
inline constexpr int kBoxRight = 700;
inline constexpr int kBoxMargin = 156;

int WidestLine(const ConversationBox& box) {
    int widest = 0;
    for (int k = 1; k <= kLines; ++k) {
        widest = std::max(widest, box.LineWidth(k));
    }
    return widest;
}

bool WaitPointerShown(EngineContext& ctx) {
    return ctx.View.ShowsPointer(kWaitPointer);
}

void TurnWhiteLinesSilver(ConversationBox& box, int except) {
    for (int k = 1; k <= kLines; ++k) {
        if (k != except && box.LineColour(k) == ConversationBox::kWhite) {
            box.SetLineColour(k, ConversationBox::kSilver);
        }
    }
}

}  // namespace

void ShowConversation(EngineContext& ctx, Integer CueCard, Integer Slot) {
    GameState& s = ctx.State;
    if (s.CurrentConv == Slot) {
        return;
    }
    LogIfOn(ctx, "[Conv Index #" + Str(Slot) + "] Show Conversation Box");
    if (CueCard == 0) {
        LogIfOn(ctx, "No Cue Card assigned!");
        return;
    }
    if (ConversationView(s.Objects(Slot)).LocksScene() == 1) {
        ctx.View.SetPointer(kNormalPointer);
    }
    ConversationBox& box = ctx.View.ConvBox();
    const bool was_shown = box.Visible();
    const int old_width = was_shown ? WidestLine(box) : 0;
    for (int k = 1; k <= kLines; ++k) {
        box.SetLineVisible(k, false);
    }
    const ConversationRecord card = ReadConversationRecord(s, CueCard);
    for (int k = 1; k <= kLines; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        box.SetLineCaption(k, card.LineText[i].Trimmed());
        s.LineSetsFlag(k) = card.LineSetsFlag[i];
        s.LineFlag(k) = card.LineFlag[i];
        s.LineFlagValue(k) = card.LineFlagValue[i];
        s.LineFlagMode(k) = card.LineFlagMode[i];
        s.LineMediaOn(k) = card.LineMediaOn[i];
        s.LineMedia(k) = card.LineMedia[i].Trimmed();
        s.LineVolume(k) = card.LineVolume[i];
        s.LinePan(k) = card.LinePan[i];
    }
    // While shown the box only grows, so it does not jump about as cue cards change.
    const int widest = WidestLine(box);
    if (!was_shown || widest > old_width) {
        box.SetLeftAndWidth(kBoxRight - (widest + kBoxMargin), widest + kBoxMargin);
    }
    for (int k = 1; k <= kLines; ++k) {
        box.SetLineColour(k, ConversationBox::kSilver);
        box.SetLineVisible(k, !box.LineCaption(k).empty());
    }
    if (!box.Visible()) {
        box.SetVisible(true);
    }
    s.ConvHoverLine = 0;
    s.CurrentConv = Slot;
}

void ConvText_MouseMove(EngineContext& ctx, int Index) {
    if (WaitPointerShown(ctx)) {
        return;
    }
    GameState& s = ctx.State;
    if (Index != s.ConvHoverLine) {
        PlayHoverSound(ctx);
    }
    s.ConvHoverLine = static_cast<Integer>(Index);
    ctx.View.SetPointer(kNormalPointer);
    ConversationBox& box = ctx.View.ConvBox();
    box.SetLineColour(Index, ConversationBox::kWhite);
    TurnWhiteLinesSilver(box, Index);
}

void ConvBox_MouseMove(EngineContext& ctx) {
    if (WaitPointerShown(ctx)) {
        return;
    }
    ctx.View.SetPointer(kNormalPointer);
    TurnWhiteLinesSilver(ctx.View.ConvBox(), 0);
}

void ConvText_Click(EngineContext& ctx, int Index) {
    const CascadeRoot root(ctx);
    if (WaitPointerShown(ctx)) {
        return;
    }
    GameState& s = ctx.State;
    // Nothing above a click traps errors: a failure is reported here and play goes on.
    try {
        PlayClickSound(ctx);
        LogIfOn(ctx, "Conversation Box clicked (Line #" + std::to_string(Index) + ").");
        const std::string media = s.LineMedia(Index);
        if (!media.empty() && s.LineMediaOn(Index) == 1) {
            const std::string kind = FileKind(media);
            if (kind == "wav") {
                LogLine(ctx, "Play Wav: '" + media + "'");
                PlayWAVMVX(ctx, media, false, channel::kDialogue, s.LinePan(Index),
                           s.LineVolume(Index));
            } else if (kind == "avi") {
                PlayMovie(ctx, media, s.LineVolume(Index), true, false);
            }
        }
        if (s.LineSetsFlag(Index) == 1) {
            SetFlag(ctx, s.LineFlag(Index), s.LineFlagValue(Index), s.LineFlagMode(Index));
        }
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "ConvText_Click", error);
    }
}

}  // namespace morvane
