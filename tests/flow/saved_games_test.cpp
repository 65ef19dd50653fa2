#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "flow/flow_fixture.h"
#include "flow/save_dialog.h"
#include "flow/saved_game_file.h"
#include "flow/saved_games_folder.h"
#include "support/saved_game_numbers.h"
#include "support/temp_folder.h"

namespace morvane::testing {
namespace {
namespace fs = std::filesystem;
using namespace saved_game;

// A game of three scenes, two items and two map locations, with a score flag.
GameData SmallGame() {
    GameData game;
    game.General = PlainGeneral();
    game.General->GameTitle = FixedText<20>("Small Game");
    game.General->ScoreShown = 1;
    game.General->ScoreFlag = 20;
    game.General->ScoreSize = 1;
    game.Scenes.resize(3);
    InventoryRecord item;
    item.Icon = FixedText<15>("icon.gif");
    // Without a result item the examine "transforms" mark does not count.
    item.Transforms = 1;
    game.Items = {item, item};
    LocationRecord location;
    location.Picture = FixedText<15>("(None)");
    game.Locations = {location, location};
    return game;
}

// A saved game that fits SmallGame: scene 2, some flags, items with gaps, a running and a
// stopped delay, a soundtrack and reserved fields filled by another player.
std::string FittingFile() {
    std::string bytes = BlankRecord();
    WriteText(bytes, kDescription, 1, "At the cottage");
    WriteText(bytes, kDate, 1, "07-04-2024");
    WriteText(bytes, kTime, 1, "03:15 PM");
    WriteText(bytes, kSoundtrack, 1, "tune.wav");
    Write32(bytes, kVolume, -300);
    const Number numbers[] = {{kScene, 1, 2},      {kFlags, 1, 5},        {kFlags, 20, 3},
                              {kFlags, 255, -7},   {kInventory, 2, 2},    {kInventory, 5, 1},
                              {kMap, 2, 1},        {kDelayRunning, 4, 1}, {kDelayDuration, 4, 1500},
                              {kDelayFlag, 4, 9},  {kDelayValue, 4, 1},   {kDelayDuration, 5, 2000},
                              {kDelayFlag, 5, 10}, {kDelayValue, 5, 4},   {kDelayMode, 5, 1}};
    WriteNumbers(bytes, numbers);
    WriteText(bytes, kReservedTexts, 3, "kept as read");
    Write16(bytes, kReservedNumbers, 20, 4242);
    return bytes;
}

class SavedGamesTest : public FlowTest {
  protected:
    void SetUp() override {
        MakeGame(SmallGame());
        StartToMenu();
    }

    fs::path Saved() const { return folder_.Path() / "Saved"; }

    StepInput::Step Type(Control& control, const std::string& text) {
        return Do([this, &control, text] { runtime_.desktop.PostText(control, text); });
    }
    StepInput::Step Select(FileListBox& list, const std::string& item) {
        return Do([&list, item] { EXPECT_TRUE(list.Select(item)) << item; });
    }

    // New game, then the game as a test sets it: scene 2, three items of which the bar holds
    // two (the third is left over in the slot table), flags, a map mark, a soundtrack, a delay.
    void StartPlaying() {
        Play({Click(forms_.MainMenu.Buttn(2)), Wait(1500)});
        ASSERT_TRUE(forms_.Main.Visible());
        state_.CurrentScene = 2;
        state_.InventoryCount = 2;
        state_.SlotItem(1) = 2;
        state_.SlotItem(2) = 1;
        state_.SlotItem(3) = 2;
        state_.Flags(7) = 11;
        state_.Flags(255) = -2;
        state_.Locations(1).Available = 1;
        state_.CurrentSoundtrack = "theme.wav";
        state_.CurrentSoundtrackVolume = -400;
        DelayState& delay = state_.Delays(6);
        delay.DelayMs = 3000;
        delay.DelayFlag = 9;
        delay.DelayValue = 1;
        forms_.Main.DelayTimer(6).SetInterval(3000);
        forms_.Main.DelayTimer(6).SetEnabled(true);
    }

    // Opens the save dialog, types the name and description and presses OK.
    void Save(const std::string& name, const std::string& description) {
        Play({Click(forms_.Main.SaveGameButtn), Wait(100), Type(forms_.SaveGame.Text1, name),
              Type(forms_.SaveGame.Text2, description), Click(forms_.SaveGame.ButtnOK), Wait(100)});
    }

    std::string Output() const { return runtime_.out.str(); }
};

TEST_F(SavedGamesTest, TheSaveWritesEveryFieldAndASmallPictureOfTheScene) {
    StartPlaying();
    Save("keep", "By the fire");
    EXPECT_FALSE(forms_.SaveGame.Visible());
    const std::string bytes = ReadWholeFile(Saved() / "keep.sav");
    ASSERT_EQ(bytes.size(), 1113u);
    EXPECT_EQ(ReadText(bytes, kDescription), Padded("By the fire", 50));
    const std::string date = ReadText(bytes, kDate);
    EXPECT_TRUE(date[2] == '-' && date[5] == '-' &&
                std::all_of(date.begin(), date.begin() + 2, ::isdigit))
        << date;
    const std::string time = ReadText(bytes, kTime);
    EXPECT_TRUE(time[2] == ':' && (time.substr(5) == " AM  " || time.substr(5) == " PM  ")) << time;
    EXPECT_EQ(ReadText(bytes, kSoundtrack), Padded("theme.wav", 15));
    EXPECT_EQ(Read32(bytes, kVolume), -400);
    const Number numbers[] = {
        {kScene, 1, 2},        {kFlags, 7, 11},       {kFlags, 255, -2},         {kFlags, 8, 0},
        {kMap, 1, 1},          {kMap, 2, 0},          {kInventory, 1, 2},        {kInventory, 2, 1},
        {kDelayRunning, 5, 0}, {kDelayRunning, 6, 1}, {kDelayDuration, 6, 3000}, {kDelayFlag, 6, 9},
        {kDelayValue, 6, 1}};
    ExpectNumbers(bytes, numbers);
    EXPECT_EQ(Read16(bytes, kInventory, 3), 0) << "slots beyond the count are written as 0";
    EXPECT_EQ(ReadText(bytes, kReservedTexts, 1), Padded("", 20));

    // The picture kept beside it is a PNG of the scene at 160 x 109 (its header's size fields).
    const std::string png = ReadWholeFile(Saved() / "keep.png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
    const auto big_endian = [&png](std::size_t at) {
        uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<uint8_t>(png[at + i]);
        }
        return value;
    };
    EXPECT_EQ(big_endian(16), 160u);
    EXPECT_EQ(big_endian(20), 109u);
}

TEST_F(SavedGamesTest, AnOldSaveIsWrittenOverOnlyWhenThePlayerAgrees) {
    StartPlaying();
    Save("keep", "First");
    const std::string first = ReadWholeFile(Saved() / "keep.sav");

    SaveGame& dialog = forms_.SaveGame;
    runtime_.message_box.QueueAnswer(MsgBoxResult::kNo);
    Play({Click(forms_.Main.SaveGameButtn), Wait(100), Type(dialog.Text1, "KEEP.sav"),
          Type(dialog.Text2, "Second"), Click(dialog.ButtnOK), Wait(100), Do([&] {
              EXPECT_NE(Output().find("The file 'keep.sav' already exists.\\rWrite over it?"),
                        std::string::npos)
                  << Output();
              EXPECT_TRUE(dialog.Visible()) << "No leaves the dialog for another name";
              EXPECT_EQ(ReadWholeFile(Saved() / "keep.sav"), first);
              runtime_.message_box.QueueAnswer(MsgBoxResult::kYes);
          }),
          Click(dialog.ButtnOK), Wait(100)});
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(ReadText(ReadWholeFile(Saved() / "keep.sav"), kDescription), Padded("Second", 50));
    EXPECT_FALSE(fs::exists(Saved() / "KEEP.sav")) << "the file keeps its spelling";
}

TEST_F(SavedGamesTest, ASaveThatCannotBeWrittenTellsWhyAndKeepsTheOldFile) {
    StartPlaying();
    Save("keep", "First");
    const std::string first = ReadWholeFile(Saved() / "keep.sav");
    fs::create_directories(Saved() / "keep.sav.tmp");
    SaveGame& dialog = forms_.SaveGame;
    runtime_.message_box.QueueAnswer(MsgBoxResult::kYes);
    Play({Click(forms_.Main.SaveGameButtn), Wait(100), Type(dialog.Text1, "keep"),
          Click(dialog.ButtnOK), Wait(100), Do([&] {
              EXPECT_NE(Output().find("The game could not be saved as '" +
                                      (Saved() / "keep.sav").string() + "'."),
                        std::string::npos)
                  << Output();
              EXPECT_EQ(ReadWholeFile(Saved() / "keep.sav"), first);
              EXPECT_TRUE(dialog.Visible()) << "the dialog stays for another try";
          }),
          Click(dialog.ButtnC), Wait(100)});
    EXPECT_FALSE(dialog.Visible());

    // A saved-games folder that has gone (a removed medium) fails the same way.
    fs::remove_all(Saved());
    Play({Click(forms_.Main.SaveGameButtn), Wait(100), Type(dialog.Text1, "other"),
          Click(dialog.ButtnOK), Wait(100), Do([&] {
              EXPECT_NE(Output().find("could not be saved as '" + (Saved() / "other.sav").string()),
                        std::string::npos)
                  << Output();
          }),
          Click(dialog.ButtnC), Wait(100)});
    EXPECT_FALSE(dialog.Visible());
}

TEST_F(SavedGamesTest, TheSaveDialogRefusesNoNameAndNamesThatLeaveTheFolder) {
    StartPlaying();
    SaveGame& dialog = forms_.SaveGame;
    std::vector<StepInput::Step> steps = {
        Click(forms_.Main.SaveGameButtn),
        Wait(100),
        Do([&] {
            EXPECT_EQ(dialog.Text1.SelLength(), 8) << "typing replaces the prompt";
            EXPECT_EQ(dialog.Focus(), &dialog.Text1);
        }),
        Click(dialog.ButtnOK),
        Wait(100),
        Do([&] {
            EXPECT_TRUE(dialog.Label1.Visible());
            EXPECT_EQ(dialog.Label1.Caption(), kEnterFilename);
        }),
        Wait(1000),
        Do([&] { EXPECT_FALSE(dialog.Label1.Visible()) << "the warning shows for one second"; })};
    for (const std::string name : {"../escape", "C:\\escape", "/tmp/escape", "a/b"}) {
        steps.insert(steps.end(),
                     {Do([&dialog] { dialog.Text1.SelectAll(); }), Type(dialog.Text1, name),
                      Click(dialog.ButtnOK), Wait(100), Do([&dialog, name] {
                          EXPECT_TRUE(dialog.Label1.Visible()) << name;
                          EXPECT_EQ(dialog.Label1.Caption(),
                                    std::string(kEnterFilename) + "\r\n" + kFilenameRule)
                              << name;
                      })});
    }
    steps.insert(steps.end(), {Click(dialog.ButtnC), Wait(100)});
    Play(std::move(steps));
    EXPECT_TRUE(fs::is_empty(Saved()));
    EXPECT_FALSE(fs::exists(folder_.Path() / "escape.sav"));
    EXPECT_FALSE(fs::exists(Saved() / "a"));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(forms_.Main.Visible());
}

TEST_F(SavedGamesTest, ChoosingASavedGameFillsTheNameAndTheDescription) {
    folder_.Write("Saved/cottage.sav", FittingFile());
    StartPlaying();
    SaveGame& dialog = forms_.SaveGame;
    Play({Click(forms_.Main.SaveGameButtn), Wait(100), Select(dialog.File1, "cottage.sav"),
          Wait(100), Do([&] {
              EXPECT_EQ(dialog.Text1.Text(), "cottage.sav");
              EXPECT_EQ(dialog.Text2.Text(), "At the cottage");
          }),
          Click(dialog.ButtnC), Wait(100)});
    EXPECT_FALSE(dialog.Visible());
}

TEST_F(SavedGamesTest, LoadingRestoresTheGameAndClosesTheInventoryGaps) {
    folder_.Write("Saved/cottage.sav", FittingFile());
    LoadGame& dialog = forms_.LoadGame;
    Play({Click(forms_.MainMenu.Buttn(3)), Wait(1000), Select(dialog.File1, "cottage.sav"),
          Wait(100), Do([&] {
              EXPECT_EQ(dialog.Label1.Caption(), "At the cottage");
              EXPECT_EQ(dialog.Label2.Caption(), "07-04-2024");
              EXPECT_EQ(dialog.Label3.Caption(), "03:15 PM");
              EXPECT_FALSE(dialog.Preview.Visible()) << "a saved game without a picture shows none";
          }),
          Click(dialog.ButtnOK), Wait(1000)});

    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(forms_.MainMenu.Visible());
    EXPECT_TRUE(forms_.Main.Visible());
    ASSERT_FALSE(services_.scenes_loaded.empty());
    EXPECT_EQ(services_.scenes_loaded.back(), 2);
    EXPECT_EQ(services_.Count("soundtrack tune.wav vol=-300 restart=0"), 1);
    EXPECT_TRUE(state_.JustRestored);
    EXPECT_EQ(state_.Flags(1), 5);
    EXPECT_EQ(state_.Flags(255), -7);
    EXPECT_EQ(forms_.Main.CurrScore_Small.Caption(), "3");
    EXPECT_EQ(state_.InventoryCount, 2);
    EXPECT_EQ(state_.SlotItem(1), 2);
    EXPECT_EQ(state_.SlotItem(2), 1);
    EXPECT_EQ(state_.Slot(1).Transforms, 0) << "the slot entry has its corrections";
    EXPECT_TRUE(forms_.Main.invitem(2).Visible());
    EXPECT_FALSE(forms_.Main.invitem(3).Visible());
    EXPECT_EQ(state_.Locations(1).Available, 0);
    EXPECT_EQ(state_.Locations(2).Available, 1);
    const TimerControl& running = forms_.Main.DelayTimer(4);
    EXPECT_TRUE(running.Enabled());
    EXPECT_EQ(running.Interval(), 1500) << "a running delay runs for its saved duration";
    EXPECT_FALSE(forms_.Main.DelayTimer(5).Enabled());
    EXPECT_EQ(state_.Delays(5).DelayMs, 2000);
    EXPECT_EQ(state_.Delays(5).DelayFlag, 10);
    EXPECT_EQ(state_.Delays(5).DelayValue, 4);
    EXPECT_EQ(state_.Delays(5).DelayMode, 1);

    // Saved again, the reserved fields go back into the file as they were read.
    Save("again", "Again");
    const std::string bytes = ReadWholeFile(Saved() / "again.sav");
    EXPECT_EQ(ReadText(bytes, kReservedTexts, 3), Padded("kept as read", 20));
    EXPECT_EQ(Read16(bytes, kReservedNumbers, 20), 4242);
}

TEST_F(SavedGamesTest, InDebuggingModeARestoreShowsTheEmptiedNotifyWindowOwnedByTheGame) {
    state_.DebugMode = 1;
    forms_.MvDebug.Check1.SetValue(CheckBox::kChecked);
    forms_.NoWin.List1.AddItem("from before");
    folder_.Write("Saved/cottage.sav", FittingFile());
    LoadGame& dialog = forms_.LoadGame;
    Play({Click(forms_.MainMenu.Buttn(3)), Wait(1000), Select(dialog.File1, "cottage.sav"),
          Wait(100), Click(dialog.ButtnOK), Wait(1000)});

    EXPECT_TRUE(forms_.Main.Command1.Visible());
    EXPECT_TRUE(forms_.NoWin.Visible());
    EXPECT_EQ(forms_.NoWin.Owner(), &forms_.Main) << "it goes and comes back with the game";
    EXPECT_EQ(forms_.NoWin.List1.ListCount(), 0);
    EXPECT_TRUE(state_.LogSwitch) << "taken from the debug window's box";
}

TEST_F(SavedGamesTest, TheLoadDialogShowsThePictureKeptWithTheSave) {
    StartPlaying();
    Save("pictured", "With a picture");
    const Image& preview = forms_.LoadGame.Preview;
    Play({Click(forms_.Main.MainMenuButtn), Wait(100), Click(forms_.QuitGameQuery.ButtnYes),
          Wait(1500), Click(forms_.MainMenu.Buttn(3)), Wait(1000),
          Select(forms_.LoadGame.File1, "pictured.sav"), Wait(100), Do([&] {
              EXPECT_TRUE(preview.Visible());
              ASSERT_TRUE(preview.Picture());
              EXPECT_EQ(preview.Picture()->Width(), 160);
          }),
          Click(forms_.LoadGame.ButtnC), Wait(100)});
    EXPECT_FALSE(forms_.LoadGame.Visible());
}

// Files that are not saved games of this game are refused by name, the dialog stays for another
// choice and nothing of the game changes.
TEST_F(SavedGamesTest, FilesThatAreNotSavedGamesOfThisGameAreRefused) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* problem;
    };
    // The fitting file with one number out of this game's range.
    const auto changed = [](const Place& place, int element, int16_t value) {
        std::string bytes = FittingFile();
        Write16(bytes, place, element, value);
        return bytes;
    };
    const Case cases[] = {
        {"truncated.sav", FittingFile().substr(0, 500), "It holds 500 bytes"},
        {"oversized.sav", FittingFile() + "x", "It holds 1114 bytes"},
        {"empty.sav", "", "It holds 0 bytes"},
        {"garbage.sav", std::string(1113, '\xFF'), "It names scene -1; this game has 3 scenes."},
        {"farscene.sav", changed(kScene, 1, 4), "It names scene 4; this game has 3 scenes."},
        {"faritem.sav", changed(kInventory, 7, 3),
         "Its inventory slot 7 holds item 3; this game has 2 items."},
        {"farplace.sav", changed(kMap, 3, 1),
         "It shows map location 3; this game has 2 map locations."},
    };
    for (const Case& c : cases) {
        folder_.Write(std::string("Saved/") + c.name, c.bytes);
    }
    state_.Flags(3) = 33;
    std::vector<StepInput::Step> steps = {Click(forms_.MainMenu.Buttn(3)), Wait(1000)};
    for (const Case& c : cases) {
        steps.insert(steps.end(),
                     {Select(forms_.LoadGame.File1, c.name), Click(forms_.LoadGame.ButtnOK),
                      Wait(100), Do([this, &c] {
                          EXPECT_NE(Output().find("The saved game '" + (Saved() / c.name).string() +
                                                  "' cannot be loaded.\\r\\n" + c.problem),
                                    std::string::npos)
                              << c.name << "\n"
                              << Output();
                          EXPECT_TRUE(forms_.LoadGame.Visible()) << c.name;
                          EXPECT_TRUE(forms_.MainMenu.Visible()) << c.name;
                      })});
    }
    steps.insert(steps.end(), {Click(forms_.LoadGame.ButtnC), Wait(100)});
    Play(std::move(steps));
    EXPECT_TRUE(services_.scenes_loaded.empty());
    EXPECT_EQ(state_.Flags(3), 33);
    EXPECT_FALSE(forms_.LoadGame.Visible());
}

TEST_F(SavedGamesTest, OkWithoutAChoiceAsksForAFileForOneSecondAndCancelLeavesAUsableMenu) {
    LoadGame& dialog = forms_.LoadGame;
    Play({Click(forms_.MainMenu.Buttn(3)), Wait(1000), Click(dialog.ButtnOK), Wait(100), Do([&] {
              EXPECT_TRUE(dialog.Label4.Visible());
              EXPECT_EQ(dialog.Label4.Caption(), "Please choose a file!");
          }),
          Wait(1000), Do([&] {
              EXPECT_FALSE(dialog.Label4.Visible()) << "the warning shows for one second";
              EXPECT_TRUE(dialog.Visible());
          }),
          Click(dialog.ButtnC), Wait(100)});
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(flow_->Context().Flow.MenuBusy);
    EXPECT_EQ(state_.ItemInHand, kNoItemInHand);
}

TEST(SaveDateAndTime, TextsAsTheGameShowsThem) {
    struct Case {
        int year, month, day, hour, minute;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {2026, 12, 6, 0, 5, "12-06-2026", "12:05 AM"},
        {1999, 1, 31, 9, 7, "01-31-1999", "09:07 AM"},
        {2024, 7, 4, 12, 0, "07-04-2024", "12:00 PM"},
        {2024, 7, 4, 13, 59, "07-04-2024", "01:59 PM"},
        {2000, 2, 29, 23, 30, "02-29-2000", "11:30 PM"},
    };
    for (const Case& c : cases) {
        std::tm when{};
        when.tm_year = c.year - 1900;
        when.tm_mon = c.month - 1;
        when.tm_mday = c.day;
        when.tm_hour = c.hour;
        when.tm_min = c.minute;
        EXPECT_EQ(SaveDateText(when), c.date);
        EXPECT_EQ(SaveTimeText(when), c.time);
    }
}

class SavedGamesFolderTest : public ::testing::Test {
  protected:
    TempFolder game_;
    TempFolder user_;
    GamePaths paths_{game_.Path()};
};

TEST_F(SavedGamesFolderTest, TheGameFolderKeepsItsSavesWhenItCanBeWritten) {
    EXPECT_EQ(FindSavedGamesFolder(paths_, "Title", {user_.Path().string(), ""}),
              game_.Path() / "Saved");
    EXPECT_TRUE(fs::is_directory(game_.Path() / "Saved"));

    // An existing folder is found in any letter case.
    TempFolder other;
    fs::create_directories(other.Path() / "SAVED");
    EXPECT_EQ(FindSavedGamesFolder(GamePaths(other.Path()), "Title", {}), other.Path() / "SAVED");
}

TEST_F(SavedGamesFolderTest, AGameFolderThatCannotTakeTheFolderSendsSavesToThePlayersOwn) {
    // A file where the folder would go stands for a game folder that cannot be written.
    game_.Write("Saved", "a file, not a folder");
    const fs::path xdg = user_.Path() / "data";
    EXPECT_EQ(FindSavedGamesFolder(paths_, "Lighthouse Keeper", {xdg.string(), "/nowhere"}),
              xdg / "morvane-player" / "Lighthouse Keeper" / "Saved");
    EXPECT_TRUE(fs::is_directory(xdg / "morvane-player" / "Lighthouse Keeper" / "Saved"));

    // Without XDG_DATA_HOME (or with a relative one) the home folder's .local/share is used,
    // and a title is made a safe folder name.
    for (const std::string unset : {"", "relative/data"}) {
        EXPECT_EQ(FindSavedGamesFolder(paths_, "AC/DC: \xC9t\xE9", {unset, user_.Path().string()}),
                  user_.Path() / ".local" / "share" / "morvane-player" /
                      "AC_DC_ \xC3\x89t\xC3\xA9" / "Saved");
    }
    EXPECT_EQ(FindSavedGamesFolder(paths_, "..", {xdg.string(), ""}),
              xdg / "morvane-player" / "Untitled" / "Saved");
    EXPECT_FALSE(FindSavedGamesFolder(paths_, "Title", {"", ""}).has_value());
}

TEST_F(SavedGamesFolderTest, AGameFolderWithoutWriteAccessSendsSavesToThePlayersOwn) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into any folder";
    }
    fs::create_directories(game_.Path() / "Saved");
    ::chmod((game_.Path() / "Saved").c_str(), 0555);
    const auto folder = FindSavedGamesFolder(paths_, "Title", {user_.Path().string(), ""});
    ::chmod((game_.Path() / "Saved").c_str(), 0755);
    EXPECT_EQ(folder, user_.Path() / "morvane-player" / "Title" / "Saved");
}

}  // namespace
}  // namespace morvane::testing
