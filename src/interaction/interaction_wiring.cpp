#include "interaction/interaction_wiring.h"

#include "interaction/closeup.h"
#include "interaction/inventory_bar.h"
#include "interaction/main_window_events.h"
#include "interaction/map_window.h"
#include "interaction/navigation.h"
#include "interaction/pointer_model.h"
#include "interaction/scene_objects.h"

namespace morvane {
namespace {

void AttachMainWindow(InteractionContext& ctx) {
    Main& main = ctx.Win.Main;
    main.OnLoad = [&ctx] { Main_Load(ctx); };
    main.OnKeyDown = [&ctx](int& code, int) { Main_KeyDown(ctx, code); };
    main.OnKeyPress = [](int& ascii) { Main_KeyPress(ascii); };
    main.MsgTimer.OnTimer = [&ctx] { MsgTimer_Timer(ctx); };
    main.ScnImg.OnMouseMove = [&ctx](const MouseArgs&) { ScnImg_MouseMove(ctx); };
    for (Control* background : std::initializer_list<Control*>{&main, &main.Picture1}) {
        background->OnMouseMove = [&ctx](const MouseArgs&) { Background_MouseMove(ctx); };
    }
    for (Control* caption : std::initializer_list<Control*>{
             &main.Label1, &main.Label2, &main.Label3, &main.Label5, &main.LargeScore,
             &main.SmallScore, &main.CurrScore_Large, &main.CurrScore_Small, &main.MaxScore_Large,
             &main.MaxScore_Small, &main.Command1}) {
        caption->OnMouseMove = [&ctx](const MouseArgs&) { Caption_MouseMove(ctx); };
    }
    main.Animation.ForEach([&ctx](AnimatedPicture& picture, int k) {
        picture.OnClick = [&ctx, k] { Animation_Click(ctx, k); };
        picture.OnMouseMove = [&ctx, k](const MouseArgs&) { Animation_MouseMove(ctx, k); };
        picture.OnPlayFinished = [&ctx, k] { Animation_PlayFinished(ctx, k); };
    });
    main.Directionl.ForEach([&ctx](Image& arrow, int k) {
        arrow.OnClick = [&ctx, k] { Directionl_Click(ctx, k); };
        arrow.OnMouseMove = [&ctx, k](const MouseArgs&) { Directionl_MouseMove(ctx, k); };
    });
}

void AttachInventory(InteractionContext& ctx) {
    Main& main = ctx.Win.Main;
    main.invitem.ForEach([&ctx](PictureBox& slot, int k) {
        slot.OnMouseDown = [&ctx, k](const MouseArgs& args) {
            InvItem_MouseDown(ctx, k, args.button);
        };
        slot.OnMouseMove = [&ctx, k](const MouseArgs&) { invitem_MouseMove(ctx, k); };
    });
    main.InvBar.OnMouseDown = [&ctx](const MouseArgs& args) { InvBar_MouseDown(ctx, args.button); };
    main.InvBar.OnMouseMove = [&ctx](const MouseArgs&) { InvBar_MouseMove(ctx); };
    main.ExamineItem.OnClick = [&ctx] { ExamineItem_Click(ctx); };
    main.ExamineItem.OnMouseMove = [&ctx](const MouseArgs&) { ExamineItem_MouseMove(ctx); };
    main.EI_Resource.OnReadFinished = [&main] {
        ShowButtonLook(main.ExamineItem, main.EI_Resource, 1);
    };

    ItemImages& images = ctx.Win.ItemImages;
    images.OnLoad = [&images] {
        for (int k = 1; k <= ItemImages::kSlots; ++k) {
            images.ItemIcon(k).SetPicture(images.NoPic.Picture());
            images.ItemPoint(k).SetPicture(images.NoPic.Picture());
            images.ItemHL(k).SetPicture(images.NoPic.Picture());
        }
    };

    Closeup& closeup = ctx.Win.Closeup;
    closeup.OnLoad = [&ctx] { Closeup_Load(ctx); };
    closeup.OnActivate = [&ctx] { Closeup_Activate(ctx); };
    closeup.StartUpDelay.OnTimer = [&ctx] { StartUpDelay_Timer(ctx); };
    closeup.Command1.OnClick = [&ctx] { Closeup_Command1_Click(ctx); };
    closeup.ClsUpImg.OnReadFinished = [&ctx] { ClsUpImg_ReadFinished(ctx); };
}

void AttachMap(InteractionContext& ctx) {
    MapWindow& map = ctx.Win.MapWindow;
    map.OnLoad = [&ctx] { MapWindow_Load(ctx); };
    map.OnActivate = [&ctx] { MapWindow_Activate(ctx); };
    map.OnMouseMove = [&ctx](const MouseArgs&) { MapWindow_MouseMove(ctx); };
    map.Image1.OnMouseMove = [&ctx](const MouseArgs&) { Image1_MouseMove(ctx); };
    map.Loctn.ForEach([&ctx](AnimatedPicture& mark, int k) {
        mark.OnClick = [&ctx, k] { Loctn_Click(ctx, k); };
        mark.OnMouseMove = [&ctx, k](const MouseArgs&) { Loctn_MouseMove(ctx, k); };
    });
    map.ButtnCancel.OnMouseMove = [&ctx](const MouseArgs&) { ButtnCancel_MouseMove(ctx); };
    map.ButtnCancel.OnClick = [&ctx] { ButtnCancel_Click(ctx); };
}

}  // namespace

void AttachInteraction(InteractionContext& ctx) {
    AttachMainWindow(ctx);
    AttachInventory(ctx);
    AttachMap(ctx);
}

}  // namespace morvane
