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

    SaveGame& save = forms.SaveGame;
    save.SetPicture(look.SaveDialogBackground());
    LoadGame& load = forms.LoadGame;
    load.SetPicture(look.LoadDialogBackground());
    for (int index = 1; index <= 4; ++index) {
        save.Image1(index).SetPicture(look.DialogButton(index));
        load.Image1(index).SetPicture(look.DialogButton(index));
    }
    save.ButtnOK.SetPicture(save.Image1(2).Picture());
    save.ButtnC.SetPicture(save.Image1(4).Picture());
    load.ButtnOK.SetPicture(load.Image1(2).Picture());
    load.ButtnC.SetPicture(load.Image1(4).Picture());

    MousePoint& pointers = forms.MousePoint;
    for (int image = 1; image <= MousePoint::kPointers; ++image) {
        pointers.Defaults(image).SetPicture(pictures.Defaults(image));
        pointers.Pointer(image).SetPicture(pictures.Defaults(image));
    }
    forms.ItemImages.NoPic.SetPicture(pictures.BuiltInPicture(BuiltIn::kNoPicture));
}

}  // namespace morvane
