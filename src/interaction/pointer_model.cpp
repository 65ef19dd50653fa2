#include "interaction/pointer_model.h"

#include "database/object_views.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {

const PicturePtr& PointerPicture(InteractionContext& ctx, int image) {
    const int number = image >= 1 && image <= MousePoint::kPointers ? image : kNormalPointer;
    return ctx.Win.MousePoint.Pointer(number).Picture();
}

void ShowPointer(InteractionContext& ctx, const PicturePtr& picture) {
    ctx.Win.Main.GetDesktop().Pointer().ShowPicture(picture);
}

void ShowPointerImage(InteractionContext& ctx, int image) {
    ShowPointer(ctx, PointerPicture(ctx, image));
}

void AssignPointer(InteractionContext& ctx, const PicturePtr& picture) {
    ctx.Win.Main.GetDesktop().Pointer().AssignPicture(picture);
}

void AssignPointerImage(InteractionContext& ctx, int image) {
    AssignPointer(ctx, PointerPicture(ctx, image));
}

bool WaitPointerShown(InteractionContext& ctx) {
    return ctx.Engine.View.ShowsPointer(kWaitPointer);
}

bool ItemIsInHand(const InteractionContext& ctx) {
    return ctx.State().ItemInHand != kNoItemInHand;
}

bool ConversationLocked(InteractionContext& ctx) {
    const GameState& s = ctx.State();
    if (!ctx.Win.Main.ConvBox.Visible() || s.CurrentConv < 1 || s.CurrentConv > kSlots) {
        return false;
    }
    return ConversationView(s.Objects(s.CurrentConv)).LocksScene() == 1;
}

void ShowButtonLook(Image& button, AnimatedPicture& source, int frame) {
    if (source.FrameCount() > frame) {
        source.SetFrame(static_cast<Integer>(frame));
        button.SetPicture(source.FramePicture());
    }
}

void HoverReset(InteractionContext& ctx, bool forget_hovered_button) {
    Main& main = ctx.Win.Main;
    main.ItemHiLite.SetVisible(false);
    ShowButtonLook(main.MainMenuButtn, main.MMB_Resource, 1);
    ShowButtonLook(main.SaveGameButtn, main.SGB_Resource, 1);
    ShowButtonLook(main.ExamineItem, main.EI_Resource, 1);
    if (forget_hovered_button) {
        ctx.State().LastHoveredButton = hover::kMainNeutral;
    }
}

}  // namespace morvane
