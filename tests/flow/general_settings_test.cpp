#include <gtest/gtest.h>

#include "flow/flow_fixture.h"
#include "flow/general_settings.h"

namespace morvane::testing {
namespace {

using GeneralSettingsTest = FlowTest;

TEST_F(GeneralSettingsTest, SavingFieldEnablesOrDisablesLoadAndSaveAfterANewGame) {
    for (const Integer saving : {Integer{0}, Integer{1}}) {
        SCOPED_TRACE(saving);
        StartWith([&](GeneralRecord& general) { general.SavedGamesEnabled = saving; });
        Play({Click(forms_.MainMenu.Buttn(2)), Wait(1000)});
        ASSERT_EQ(services_.scenes_loaded, std::vector<Integer>{1});
        EXPECT_EQ(forms_.MainMenu.Buttn(3).Enabled(), saving == 1);
        EXPECT_EQ(forms_.Main.SaveGameButtn.Enabled(), saving == 1);
        EXPECT_TRUE(forms_.Main.SaveGameButtn.Visible());
    }
}

TEST_F(GeneralSettingsTest, OtherSavingValuesLeaveTheButtonsAsTheyAre) {
    StartWith([](GeneralRecord& general) { general.SavedGamesEnabled = 0; });
    ASSERT_FALSE(forms_.MainMenu.Buttn(3).Enabled());
    GameData game;
    game.General = PlainGeneral();
    game.General->SavedGamesEnabled = 7;
    game.Scenes.resize(3);
    // The general file stays open; the settings are read afresh from it on every call.
    state_.GeneralFile.Close();
    GameBuilder(folder_.Path()).Write(game);
    state_.GeneralFile = RecordFile::Open<GeneralRecord>(state_.Paths);
    ApplyGeneralSettings(flow_->Context(), 0);
    EXPECT_FALSE(forms_.MainMenu.Buttn(3).Enabled());
    EXPECT_FALSE(forms_.Main.SaveGameButtn.Enabled());
}

TEST_F(GeneralSettingsTest, VisibilityFieldsShowOrHideTheControlsAndKeepItInTheirTags) {
    for (const Integer shown : {Integer{0}, Integer{1}}) {
        SCOPED_TRACE(shown);
        StartWith([&](GeneralRecord& general) {
            general.InventoryBarShown = shown;
            general.InGameSaveButtonShown = shown;
            general.InGameMenuButtonShown = shown;
            general.MenuButtonShown = {shown, 1, shown, 1, shown};
        });
        const std::string tag = shown == 1 ? "True" : "False";
        EXPECT_EQ(forms_.Main.InvBar.Tag(), tag);
        EXPECT_EQ(forms_.Main.ExamineItem.Tag(), tag);
        EXPECT_EQ(forms_.Main.SaveGameButtn.Tag(), tag);
        EXPECT_EQ(forms_.Main.MainMenuButtn.Visible(), shown == 1);
        EXPECT_EQ(forms_.MainMenu.Buttn(1).Visible(), shown == 1);
        EXPECT_TRUE(forms_.MainMenu.Buttn(2).Visible());
        EXPECT_EQ(forms_.MainMenu.Buttn(5).Visible(), shown == 1);
        // A new game shows the controls as their tags say.
        Play({Click(forms_.MainMenu.Buttn(2)), Wait(1000)});
        EXPECT_EQ(forms_.Main.InvBar.Visible(), shown == 1);
        EXPECT_EQ(forms_.Main.ExamineItem.Visible(), shown == 1);
        EXPECT_EQ(forms_.Main.SaveGameButtn.Visible(), shown == 1);
    }
}

TEST_F(GeneralSettingsTest, ScoreDisplaysFollowTheirFieldsAndAreCutWithoutAMaximum) {
    struct Case {
        Integer size;
        Integer maximum;
        bool small_cut;
        bool large_cut;
    };
    Main& main = forms_.Main;
    const Rect small = main.SmallScore.Bounds();
    const Rect large = main.LargeScore.Bounds();
    for (const Case& c : {Case{1, 50, false, false}, Case{1, 0, true, false},
                          Case{2, 80, false, false}, Case{2, 0, false, true}}) {
        SCOPED_TRACE(::testing::Message() << "size " << c.size << " max " << c.maximum);
        main.SmallScore.Move(small.left, small.top, small.width, small.height);
        main.LargeScore.Move(large.left, large.top, large.width, large.height);
        main.SmallScore.SetVisible(false);
        main.LargeScore.SetVisible(false);
        main.SmallScore.SetTag("False");
        main.LargeScore.SetTag("False");
        StartWith([&](GeneralRecord& general) {
            general.ScoreShown = 1;
            general.ScoreFlag = 17;
            general.ScoreSize = c.size;
            general.MaxScore = c.maximum;
        });
        const bool small_shown = c.size == 1;
        EXPECT_EQ(state_.ScoreFlag, 17);
        EXPECT_EQ(main.SmallScore.Visible(), small_shown);
        EXPECT_EQ(main.LargeScore.Visible(), !small_shown);
        EXPECT_EQ(main.SmallScore.Tag(), small_shown ? "True" : "False");
        EXPECT_EQ(main.LargeScore.Tag(), small_shown ? "False" : "True");
        EXPECT_EQ(main.SmallScore.Left(), c.small_cut ? 610 : small.left);
        EXPECT_EQ(main.SmallScore.Width(), c.small_cut ? 60 : small.width);
        EXPECT_EQ(main.LargeScore.Left(), c.large_cut ? 541 : large.left);
        EXPECT_EQ(main.LargeScore.Width(), c.large_cut ? 135 : large.width);
        EXPECT_EQ(main.MaxScore_Small.Caption(), std::to_string(c.maximum));
        EXPECT_EQ(main.MaxScore_Large.Caption(), std::to_string(c.maximum));
    }
}

TEST_F(GeneralSettingsTest, NoScoreHidesBothDisplays) {
    StartWith([](GeneralRecord& general) { general.ScoreShown = 0; });
    EXPECT_FALSE(forms_.Main.SmallScore.Visible());
    EXPECT_FALSE(forms_.Main.LargeScore.Visible());
    EXPECT_EQ(forms_.Main.SmallScore.Tag(), "False");
    EXPECT_EQ(forms_.Main.LargeScore.Tag(), "False");
}

TEST_F(GeneralSettingsTest, CustomPointersReplaceTheBuiltInOnesOnlyWhereTheGameNamesThem) {
    WriteGif("hand.gif", 24, 24);
    StartWith([](GeneralRecord& general) {
        general.Pointers[12] = FixedText<15>("hand.gif");
        general.Pointers[3] = FixedText<15>("missing.gif");
    });
    const MousePoint& pointers = forms_.MousePoint;
    EXPECT_EQ(pointers.Pointer(13).Tag(), "hand.gif");
    ASSERT_NE(pointers.Pointer(13).Picture(), nullptr);
    EXPECT_NE(pointers.Pointer(13).Picture()->SourceName().find("hand.gif"), std::string::npos);
    EXPECT_NE(pointers.Pointer(13).Picture(), pointers.Defaults(13).Picture());
    // A pointer whose file cannot be read keeps the built-in one, like one the game leaves out.
    EXPECT_EQ(pointers.Pointer(4).Tag(), "missing.gif");
    EXPECT_EQ(pointers.Pointer(4).Picture(), pointers.Defaults(4).Picture());
    EXPECT_EQ(pointers.Pointer(1).Tag(), "");
    EXPECT_EQ(pointers.Pointer(1).Picture(), pointers.Defaults(1).Picture());
    // The menu is shown with the game's normal pointer.
    EXPECT_TRUE(ShowsPointer(13));
}

TEST_F(GeneralSettingsTest, GameButtonPicturesReplaceTheBuiltInLookOnlyWhenChosen) {
    WriteGif("b1.gif", 200, 50, 2);
    WriteGif("menu.gif", 800, 600);
    StartWith([](GeneralRecord& general) {
        general.MenuButtonPictureChoice = 0;
        general.MenuButtonPictures[0] = FixedText<15>("b1.gif");
        general.MenuBackgroundChoice = 2;
        general.MenuBackground = FixedText<15>("menu.gif");
    });
    const Main& main = forms_.Main;
    EXPECT_EQ(main.ButtnDefault(1).PictureFileName().find("b1.gif") != std::string::npos, true);
    EXPECT_EQ(main.ButtnDefault(2).PictureFile(), flow_->Look().MenuButton(2));
    EXPECT_NE(forms_.MainMenu.Picture1.Picture(), flow_->Look().MenuBackground());
    // The menu shows the game's own button at once, in its normal frame.
    EXPECT_EQ(forms_.MainMenu.Buttn(1).Picture(), main.ButtnDefault(1).FramePicture());
    EXPECT_EQ(main.ButtnDefault(1).Frame(), 1);
}

TEST_F(GeneralSettingsTest, SettingsAreKeptTrimmedAndTheExitPictureNeedsAName) {
    StartWith([](GeneralRecord& general) {
        general.ClickSound = FixedText<15>("  click.wav");
        general.ClickVolume = -300;
        general.ClickPan = 40;
        general.ClosingPictureOn = 1;
        general.ClosingPicture = FixedText<15>("   ");
        general.DebugMode = 1;
        general.MenuScene = 3;
    });
    const GeneralSettings& s = state_.Settings;
    EXPECT_EQ(s.ClickSound, "click.wav");
    EXPECT_EQ(s.ClickVolume, -300);
    EXPECT_EQ(s.ClickPan, 40);
    EXPECT_FALSE(s.ExitPictureEnabled);
    EXPECT_EQ(state_.GameTitle, "Test Game");
    EXPECT_EQ(forms_.Main.Caption(), "Test Game");
    EXPECT_EQ(state_.DebugMode, 1);
    EXPECT_EQ(state_.MenuScene, 3);
}

}  // namespace
}  // namespace morvane::testing
