#include "flow/builtin_look_apply.h"

#include "flow/button_frames.h"

namespace morvane {

void ApplyBuiltInLook(Forms& forms, const BuiltInLook& look, const BuiltInPictures& pictures) {
    MainMenu& menu = forms.MainMenu;
    Main& main = forms.Main;
    menu.Picture1.SetPicture(look.MenuBackground());
    for (int button = 1; button <= 5; ++button) {
        main.ButtnDefault(button).SetPictureFile(look.MenuButton(button));
        ShowButtonFrame(main.ButtnDefault(button), menu.Buttn(button), kNormalFrame);
    }

    main.Picture1.SetPicture(look.GameFrame());
    main.InvBar.SetPicture(look.InventoryBar());
    main.MMB_Resource.SetPictureFile(look.MainMenuButton());
    main.SGB_Resource.SetPictureFile(look.SaveButton());
    main.EI_Resource.SetPictureFile(look.ExamineButton());
    ShowButtonFrame(main.MMB_Resource, main.MainMenuButtn, kNormalFrame);
    ShowButtonFrame(main.SGB_Resource, main.SaveGameButtn, kNormalFrame);
    ShowButtonFrame(main.EI_Resource, main.ExamineItem, kNormalFrame);
    main.SmallScore.SetPicture(look.SmallScorePlate());
    main.LargeScore.SetPicture(look.LargeScorePlate());
    main.MsgStatus.SetPicture(look.StatusPanel());
    main.FNF.SetPictureFile(pictures.BuiltInPicture(BuiltIn::kFileNotFound));
    main.UnknownObject.SetPictureFile(pictures.BuiltInPicture(BuiltIn::kUnknownObject));

    QuitGameQuery& query = forms.QuitGameQuery;
    query.SetPicture(look.QuitQueryBackground());
    query.Image1.ForEach(
        [&look](Image& holder, int index) { holder.SetPicture(look.QuitAnswer(index)); });
    query.ButtnYes.SetPicture(query.Image1(2).Picture());
    query.ButtnNo.SetPicture(query.Image1(4).Picture());

    MousePoint& pointers = forms.MousePoint;
    for (int image = 1; image <= MousePoint::kPointers; ++image) {
        pointers.Defaults(image).SetPicture(pictures.Defaults(image));
        pointers.Pointer(image).SetPicture(pictures.Defaults(image));
    }
    forms.ItemImages.NoPic.SetPicture(pictures.BuiltInPicture(BuiltIn::kNoPicture));
}

namespace {

template <typename Dialog>
void DressDialog(Dialog& dialog, const BuiltInLook& look, PicturePtr background) {
    if (dialog.Picture() != nullptr) {
        return;
    }
    dialog.SetPicture(std::move(background));
    for (int index = 1; index <= 4; ++index) {
        dialog.Image1(index).SetPicture(look.DialogButton(index));
    }
    dialog.ButtnOK.SetPicture(dialog.Image1(2).Picture());
    dialog.ButtnC.SetPicture(dialog.Image1(4).Picture());
}

}  // namespace

void ApplyDialogLook(SaveGame& dialog, const BuiltInLook& look) {
    DressDialog(dialog, look, look.SaveDialogBackground());
}

void ApplyDialogLook(LoadGame& dialog, const BuiltInLook& look) {
    DressDialog(dialog, look, look.LoadDialogBackground());
}

}  // namespace morvane
