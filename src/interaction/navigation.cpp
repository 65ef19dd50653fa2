#include "interaction/navigation.h"

#include <array>
#include <string>

#include "engine/cascade.h"
#include "engine/scene_loader.h"
#include "interaction/pointer_model.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

constexpr int kArrows = 4;
constexpr int kGroupA = 1;
constexpr int kGroupB = 2;
constexpr int kGroupC = 3;
constexpr int kGroupD = 4;
constexpr std::array<int, kArrows> kGroupOfArrow = {kGroupA, kGroupD, kGroupB, kGroupC};
constexpr std::array<const char*, kArrows> kDirection = {"Up", "Right", "Down", "Left"};

Integer PointerOf(const GameState& s, int Index) {
    return s.Arrows(ArrowGroup(Index))(1);
}

Integer TargetOf(const GameState& s, int Index) {
    return s.Arrows(ArrowGroup(Index))(2);
}

}  // namespace

int ArrowGroup(int Index) {
    if (Index < 1 || Index > kArrows) {
        Raise(ErrorNumber::kSubscriptOutOfRange);
    }
    return kGroupOfArrow[static_cast<std::size_t>(Index - 1)];
}

void Directionl_MouseMove(InteractionContext& ctx, int Index) {
    HoverReset(ctx, true);
    const GameState& s = ctx.State();
    if (s.SceneLoading || ConversationLocked(ctx) || Index < 1 || Index > kArrows) {
        return;
    }
    if (TargetOf(s, Index) != 0) {
        // Arrows always show the built-in pointers, even in a game with its own set.
        const Integer pointer = PointerOf(s, Index);
        const int image =
            pointer >= 1 && pointer <= MousePoint::kPointers ? pointer : kNormalPointer;
        AssignPointer(ctx, ctx.Win.MousePoint.Defaults(image).Picture());
    } else if (!ItemIsInHand(ctx)) {
        ShowPointerImage(ctx, kNormalPointer);
    } else {
        AssignPointer(ctx, ctx.Win.Main.FlashFixIcon.Picture());
    }
}

void Directionl_Click(InteractionContext& ctx, int Index) {
    const CascadeRoot root(ctx.Engine);
    if (ConversationLocked(ctx) || Index < 1 || Index > kArrows) {
        return;
    }
    GameState& s = ctx.State();
    const Integer target = TargetOf(s, Index);
    if (target == 0) {
        return;
    }
    LogIfOn(ctx.Engine,
            std::string("Link (") + kDirection[static_cast<std::size_t>(Index - 1)] + ") clicked.");
    s.SceneLoading = true;
    AssignPointerImage(ctx, kWaitPointer);
    LoadScene(ctx.Engine, target);
}

}  // namespace morvane
