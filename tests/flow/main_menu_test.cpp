#include <gtest/gtest.h>

#include "flow/flow_fixture.h"

namespace morvane::testing {
namespace {

using MainMenuTest = FlowTest;

TEST_F(MainMenuTest, ADoubleClickWithinThePauseActsOnceAndAfterThePause) {
    StartWith();
    TimeMs clicked_at = 0;
    Play({Do([&] { clicked_at = runtime_.loop.Now(); }), Click(forms_.MainMenu.Buttn(2)),
          Click(forms_.MainMenu.Buttn(2)), Wait(300), Click(forms_.MainMenu.Buttn(2)), Wait(2000)});
    ASSERT_EQ(services_.scenes_loaded, std::vector<Integer>{1});
    EXPECT_GE(services_.scene_load_times[0] - clicked_at, 700);
    EXPECT_TRUE(forms_.Main.Visible());
    EXPECT_FALSE(forms_.MainMenu.Visible());
}

TEST_F(MainMenuTest, MenuSceneButtonDoesNothingWithoutAMenuSceneButRestoresThePointer) {
    StartWith();
    Play({Click(forms_.MainMenu.Buttn(4)), Wait(1000)});
    EXPECT_TRUE(services_.scenes_loaded.empty());
    EXPECT_TRUE(forms_.MainMenu.Visible());
    EXPECT_FALSE(flow_->Context().Flow.MenuBusy);
    EXPECT_TRUE(ShowsPointer(13));
    // The menu is usable again: New Game still works.
    Play({Click(forms_.MainMenu.Buttn(2)), Wait(1000)});
    EXPECT_EQ(services_.scenes_loaded, std::vector<Integer>{1});
}

TEST_F(MainMenuTest, MenuSceneOpensWithoutTheGameControlsAndItsButtonGoesStraightBack) {
    StartWith([](GeneralRecord& general) { general.MenuScene = 2; });
    Play({Click(forms_.MainMenu.Buttn(4)), Wait(1000)});
    ASSERT_EQ(services_.scenes_loaded, std::vector<Integer>{2});
    EXPECT_TRUE(state_.InMenuScene);
    EXPECT_FALSE(forms_.Main.InvBar.Visible());
    EXPECT_FALSE(forms_.Main.SaveGameButtn.Visible());
    state_.Flags(5) = 3;
    Play({Click(forms_.Main.MainMenuButtn), Wait(1000)});
    EXPECT_FALSE(forms_.QuitGameQuery.Visible());
    EXPECT_TRUE(forms_.MainMenu.Visible());
    EXPECT_FALSE(forms_.Main.Visible());
    EXPECT_FALSE(state_.InMenuScene);
    EXPECT_EQ(state_.Flags(5), 0);
}

TEST_F(MainMenuTest, HoverSoundPlaysOncePerEntryIntoAButton) {
    StartWith([](GeneralRecord& general) {
        general.MouseOverSound = FixedText<15>("hover.wav");
        general.MouseOverVolume = -100;
    });
    const auto& menu = forms_.MainMenu;
    Play({Hover(menu.Buttn(1)), Hover(menu.Buttn(1)), Hover(menu.Buttn(1))});
    EXPECT_EQ(services_.Count("sound 18 hover.wav loop=0 pan=0 vol=-100"), 1);
    // The hovered button shows its highlighted frame, the others their normal one.
    EXPECT_EQ(forms_.Main.ButtnDefault(1).Frame(), 0);
    EXPECT_EQ(forms_.Main.ButtnDefault(2).Frame(), 1);
    Play({Hover(menu.Buttn(2)), Hover(menu.Buttn(2))});
    EXPECT_EQ(services_.Count("sound 18 hover.wav"), 2);
    Play({Do([this] { runtime_.desktop.PostMouseMove({20, 20}); }), Hover(menu.Buttn(2))});
    EXPECT_EQ(services_.Count("sound 18 hover.wav"), 3);
    EXPECT_EQ(forms_.Main.ButtnDefault(2).Frame(), 0);
}

TEST_F(MainMenuTest, MenuMusicIsChosenByItsExtension) {
    for (const std::string music : {"theme.WAV", "theme.mid", "theme.mp3", "theme.ogg"}) {
        SCOPED_TRACE(music);
        MakeGameWith([&](GeneralRecord& general) {
            general.MenuMusic = FixedText<15>(music);
            general.MenuMusicVolume = -500;
        });
        services_.calls.clear();
        StartToMenu();
        const int wav = services_.Count("sound 19 " + music + " loop=1 pan=0 vol=-500");
        const int midi = services_.Count("midi " + music + " vol=-500");
        const int mp3 = services_.Count("mp3 " + music + " vol=-500 bal=0");
        EXPECT_EQ(wav, music.ends_with("WAV") ? 1 : 0);
        EXPECT_EQ(midi, music.ends_with("mid") ? 1 : 0);
        EXPECT_EQ(mp3, music.ends_with("mp3") ? 1 : 0);
    }
}

TEST_F(MainMenuTest, ClickSoundAndMusicStopBeforeANewGame) {
    StartWith([](GeneralRecord& general) {
        general.ClickSound = FixedText<15>("click.wav");
        general.ClickVolume = -200;
        general.ClickPan = 10;
    });
    services_.calls.clear();
    Play({Click(forms_.MainMenu.Buttn(2)), Wait(1000)});
    const std::vector<std::string> expected{"sound 18 click.wav loop=0 pan=10 vol=-200",
                                            "stop sound 19",
                                            "stop mp3",
                                            "stop midi",
                                            "LoadStartItems",
                                            "LoadScene 1"};
    EXPECT_EQ(services_.calls, expected);
}

TEST_F(MainMenuTest, QuitWithoutAnExitPictureNameEndsAtOnce) {
    StartWith([](GeneralRecord& general) { general.ClosingPictureOn = 1; });
    Play({Click(forms_.MainMenu.Buttn(5)), Wait(1000)});
    EXPECT_TRUE(services_.ended);
    EXPECT_FALSE(forms_.NagForm.IsLoaded());
    EXPECT_FALSE(forms_.MainMenu.IsLoaded());
    EXPECT_FALSE(state_.GeneralFile.Exists());
}

TEST_F(MainMenuTest, QuitShowsTheExitPictureAndItsButtonEndsTheProgram) {
    WriteGif("bye.gif", 320, 200);
    StartWith([](GeneralRecord& general) {
        general.ClosingPictureOn = 1;
        general.ClosingPicture = FixedText<15>("bye.gif");
    });
    bool shown = false;
    Play({Click(forms_.MainMenu.Buttn(5)), Wait(1000), Do([&] {
              const NagForm& nag = forms_.NagForm;
              shown = nag.Visible();
              EXPECT_FALSE(services_.ended);
              EXPECT_EQ(nag.Picture1.Bounds(), (Rect{240, 200, 320, 200}));
              EXPECT_GT(nag.Command1.Top(), 400);
              EXPECT_EQ(nag.Command1.Left() + nag.Command1.Width() / 2, 400);
          }),
          Click(forms_.NagForm.Command1), Wait(1000)});
    EXPECT_TRUE(shown);
    EXPECT_TRUE(services_.ended);
    EXPECT_EQ(services_.Count("TerminateMp3"), 1);
}

}  // namespace
}  // namespace morvane::testing
