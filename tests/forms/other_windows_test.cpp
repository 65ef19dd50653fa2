#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms_fixture.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::FormsTest;

TEST_F(FormsTest, TheMapLiesExactlyOverTheSceneViewAndTakesItsClicks) {
    forms_.Main.Show();
    EXPECT_EQ(forms_.MapWindow.Bounds(), runtime_.desktop.ScreenBounds(forms_.Main.ScnImg));

    AnimatedPicture& object = forms_.Main.Animation(1);
    object.Move(300, 200, 64, 64);
    object.SetVisible(true);
    AnimatedPicture& location = forms_.MapWindow.Loctn(4);
    location.Move(120, 80, 48, 48);
    forms_.MapWindow.Show();
    EXPECT_FALSE(Reachable(object)) << "the map covers the objects";
    EXPECT_FALSE(Reachable(location)) << "a location shows only once it is available";
    location.SetVisible(true);
    ExpectReachable({&location, &forms_.MapWindow.ButtnCancel});
}

TEST_F(FormsTest, TheCloseUpPictureIsCoveredUntilItIsReadyToPlay) {
    Closeup& closeup = forms_.Closeup;
    closeup.Show();
    EXPECT_FALSE(Reachable(closeup.ClsUpImg));
    EXPECT_TRUE(Reachable(closeup.Command1));
    EXPECT_FALSE(Reachable(closeup.Dummy)) << "the focus target is never clicked";
    closeup.Block.SetVisible(false);
    EXPECT_TRUE(Reachable(closeup.ClsUpImg));
}

TEST_F(FormsTest, TheMenuButtonsAndTheQuitQuestionTakeTheirClicks) {
    forms_.MainMenu.Show();
    forms_.MainMenu.Buttn.ForEach(
        [&](Image& button, int index) { EXPECT_TRUE(Reachable(button)) << index; });

    forms_.Main.Show();
    forms_.QuitGameQuery.Show();
    ExpectReachable({&forms_.QuitGameQuery.ButtnYes, &forms_.QuitGameQuery.ButtnNo});
    EXPECT_EQ(forms_.QuitGameQuery.Label1.Caption(), "Quit?");
}

TEST_F(FormsTest, TheIntroOffersNoButtonThatWouldLeaveItsMovieRunningUnseen) {
    forms_.IntroFrm.Show();
    EXPECT_FALSE(Reachable(forms_.IntroFrm.Command1));
}

TEST_F(FormsTest, TheSaveAndLoadDialogsListOnlySavedGames) {
    testing::TempFolder folder;
    folder.Write("first.sav");
    folder.Write("Second.SAV");
    folder.Write("notes.txt");
    folder.Write("first.sav.bak");
    for (FileListBox* list : {&forms_.SaveGame.File1, &forms_.LoadGame.File1}) {
        list->SetPath(folder.Path());
        ASSERT_EQ(list->ListCount(), 2) << list->QualifiedName();
        EXPECT_EQ(list->List(0), "first.sav");
        EXPECT_EQ(list->List(1), "Second.SAV");
    }
}

TEST_F(FormsTest, TheSaveDialogOpensWithItsPromptsAndItsControlsWithinReach) {
    SaveGame& dialog = forms_.SaveGame;
    EXPECT_EQ(dialog.Text1.Text(), "Filename");
    EXPECT_EQ(dialog.Text2.Text(), "Game Description");
    EXPECT_FALSE(dialog.Label1.Visible());
    dialog.Show();
    ExpectReachable({&dialog.ButtnOK, &dialog.ButtnC, &dialog.File1});
}

TEST_F(FormsTest, TheNotifyWindowKeepsItsButtonsInViewWhenShrunk) {
    NoWin& notify = forms_.NoWin;
    notify.Show();
    // Its load shrinks it to 675 twips, 45 pixels.
    notify.Move(notify.Left(), notify.Top(), notify.Width(), 45);
    ExpectReachable({&notify.cc, &notify.ClC, &notify.CompExp});
    EXPECT_EQ(notify.Caption(), "Notify Window (Debug)");
}

TEST_F(FormsTest, EveryDebugCommandIsReachableOnTheDebugWindow) {
    MvDebug& debug = forms_.MvDebug;
    debug.Show();
    ExpectReachable({&debug.Check1, &debug.Command7, &debug.Command5, &debug.Command3,
                     &debug.QueryFlag, &debug.Command2, &debug.SetFlg, &debug.SFValue,
                     &debug.SetFlagbtn, &debug.LdScn, &debug.Command1, &debug.GiveInv,
                     &debug.Command4, &debug.Command6});
    // A click ticks the log switch's box.
    runtime_.desktop.PostClick(CentreOf(debug.Check1));
    runtime_.loop.PumpEvents();
    EXPECT_EQ(debug.Check1.Value(), CheckBox::kChecked);
}

}  // namespace
}  // namespace morvane
