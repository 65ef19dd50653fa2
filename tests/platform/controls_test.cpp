#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "fake_picture.h"
#include "platform/control_array.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_file_list_box.h"
#include "platform/control_list_box.h"
#include "platform/control_text_box.h"
#include "platform/control_timer.h"
#include "runtime_fixture.h"
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::ErrorNumberOf;

class ControlsTest : public ::testing::Test {
  protected:
    ControlsTest() {
        window_.Move(0, 0, 640, 480);
        window_.Show();
    }

    void ClickAt(const Control& control, Point local) {
        const Rect bounds = runtime_.desktop.ScreenBounds(control);
        runtime_.desktop.PostClick({bounds.left + local.x, bounds.top + local.y});
        runtime_.loop.PumpEvents();
    }

    testing::Runtime runtime_;
    Window window_{runtime_.desktop, "SaveGame"};
};

TEST_F(ControlsTest, ControlArraysCountFromOneAndNameTheirElements) {
    ControlArray<Image> items(window_, "invitem", 16);
    EXPECT_EQ(items.LBound(), 1);
    EXPECT_EQ(items.UBound(), 16);
    EXPECT_EQ(items(3).Index(), 3);
    EXPECT_EQ(items(3).QualifiedName(), "SaveGame.invitem(3)");
    EXPECT_EQ(window_.QualifiedName(), "SaveGame");
    EXPECT_EQ(ErrorNumberOf([&] { items(0); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { items(17); }), 9);

    std::vector<int> clicked;
    items.ForEach([&](Image& item, int index) {
        item.Move(40 * (index - 1), 0, 40, 40);
        item.OnClick = [&clicked, index] { clicked.push_back(index); };
    });
    ClickAt(items(5), {20, 20});
    EXPECT_EQ(clicked, (std::vector<int>{5}));
}

TEST_F(ControlsTest, ATimerOnAWindowTicksOnlyWhileTheWindowIsLoaded) {
    ControlArray<TimerControl> delays(window_, "DelayTimer", 20);
    int ticks = 0;
    delays(20).OnTimer = [&] { ++ticks; };
    delays(20).SetInterval(100);
    runtime_.loop.PassTime(350);
    EXPECT_EQ(ticks, 3);
    window_.Unload();
    runtime_.loop.PassTime(1000);
    EXPECT_EQ(ticks, 3);
    // Loading starts the interval afresh instead of ticking at once for the time it was away.
    window_.Load();
    runtime_.loop.PassTime(99);
    EXPECT_EQ(ticks, 3);
    runtime_.loop.PassTime(1);
    EXPECT_EQ(ticks, 4);
}

TEST_F(ControlsTest, ACheckBoxClickTogglesItsValueAndRaisesOneClick) {
    CheckBox check(window_, "Check1");
    check.Move(10, 10, 100, 20);
    std::vector<int> seen;
    check.OnClick = [&] { seen.push_back(check.Value()); };
    ClickAt(check, {5, 5});
    ClickAt(check, {5, 5});
    EXPECT_EQ(seen, (std::vector<int>{CheckBox::kChecked, CheckBox::kUnchecked}));
    check.SetValue(CheckBox::kUnchecked);
    EXPECT_EQ(seen.size(), 2u) << "setting the value it has raises nothing";
    check.SetValue(CheckBox::kChecked);
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(ErrorNumberOf([&] { check.SetValue(3); }), 380);
}

TEST_F(ControlsTest, AGraphicalButtonShowsItsDownPictureWhilePressed) {
    Button button(window_, "Buttn");
    button.Move(10, 10, 50, 20);
    button.SetLookStyle(Button::Style::kGraphical);
    button.SetPicture(testing::MakeBlankPicture("up.gif"));
    button.SetDownPicture(testing::MakeBlankPicture("down.gif"));
    EXPECT_EQ(button.ShownPicture(), button.Picture());
    runtime_.desktop.PostMouseDown({20, 15}, MouseButton::kLeft);
    runtime_.loop.PumpEvents();
    EXPECT_TRUE(button.Pressed());
    EXPECT_EQ(button.ShownPicture(), button.DownPicture());
    runtime_.desktop.PostMouseUp({20, 15}, MouseButton::kLeft);
    runtime_.loop.PumpEvents();
    EXPECT_FALSE(button.Pressed());
    EXPECT_EQ(button.ShownPicture(), button.Picture());

    button.SetLookStyle(Button::Style::kStandard);
    runtime_.desktop.PostMouseDown({20, 15}, MouseButton::kLeft);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(button.ShownPicture(), button.Picture()) << "the standard look has no down picture";
}

TEST_F(ControlsTest, AListClickSelectsTheRowUnderThePointer) {
    ListBox list(window_, "List1");
    list.Move(10, 10, 200, 4 * ListBox::kRowHeight);
    for (const char* item : {"alpha", "beta", "gamma", "delta", "epsilon", "zeta"}) {
        list.AddItem(item);
    }
    std::vector<std::string> clicks;
    list.OnClick = [&] { clicks.push_back(list.Text()); };
    ClickAt(list, {5, 2 * ListBox::kRowHeight + 3});
    EXPECT_EQ(list.ListIndex(), 2);
    list.SetTopIndex(2);
    ClickAt(list, {5, 1 * ListBox::kRowHeight + 3});
    EXPECT_EQ(clicks, (std::vector<std::string>{"gamma", "delta"}));
    ClickAt(list, {5, 4 * ListBox::kRowHeight + 3});  // below the last row in view: nothing
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ControlsTest, AListKeepsItsSelectionOnTheSameItemAsItemsComeAndGo) {
    ListBox list(window_, "List1");
    list.AddItem("b");
    list.AddItem("c");
    list.SetListIndex(1);
    list.AddItem("a", 0);
    EXPECT_EQ(list.Text(), "c");
    list.RemoveItem(0);
    EXPECT_EQ(list.Text(), "c");
    list.RemoveItem(1);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(ErrorNumberOf([&] { list.SetListIndex(5); }), 380);
    EXPECT_EQ(ErrorNumberOf([&] { list.List(1); }), 381);
    EXPECT_EQ(ErrorNumberOf([&] { list.RemoveItem(3); }), 5);
}

TEST_F(ControlsTest, SelectingAListItemByTextRaisesItsClick) {
    ListBox list(window_, "List1");
    list.Move(0, 0, 100, 2 * ListBox::kRowHeight);
    for (const char* item : {"one", "two", "three"}) {
        list.AddItem(item);
    }
    int clicks = 0;
    list.OnClick = [&] { ++clicks; };
    EXPECT_TRUE(list.Select("three"));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.TopIndex(), 1) << "the selection scrolls into view";
    EXPECT_TRUE(list.Select("three"));
    EXPECT_FALSE(list.Select("four"));
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, AFileListShowsTheMatchingFilesOfItsFolderSortedByName) {
    testing::TempFolder folder;
    folder.Write("beta.sav");
    folder.Write("Alpha.SAV");
    folder.Write("notes.txt");
    folder.Write("sub/inner.sav");
    FileListBox files(window_, "File1");
    files.SetPattern("*.sav");
    files.SetPath(folder.Path());
    ASSERT_EQ(files.ListCount(), 2);
    EXPECT_EQ(files.List(0), "Alpha.SAV");
    EXPECT_EQ(files.List(1), "beta.sav");

    folder.Write("gamma.sav");
    files.Refresh();
    EXPECT_EQ(files.ListCount(), 3);
    EXPECT_TRUE(files.Select("gamma.sav"));
    EXPECT_EQ(files.FileName(), "gamma.sav");

    EXPECT_EQ(ErrorNumberOf([&] { files.SetPath(folder.Path() / "missing"); }), 76);
    EXPECT_EQ(files.ListCount(), 3);
}

TEST(FilePatternTest, MatchesWildcardsWithoutRegardToCase) {
    EXPECT_TRUE(MatchesFilePattern("Game1.SAV", "*.sav"));
    EXPECT_TRUE(MatchesFilePattern("a.b.sav", "*.sav"));
    EXPECT_FALSE(MatchesFilePattern("game.sav.bak", "*.sav"));
    EXPECT_TRUE(MatchesFilePattern("save1.sav", "save?.sav"));
    EXPECT_FALSE(MatchesFilePattern("save10.sav", "save?.sav"));
    EXPECT_TRUE(MatchesFilePattern("README", "*.*"));
    EXPECT_TRUE(MatchesFilePattern("x.gif", "*.bmp; *.GIF"));
    EXPECT_FALSE(MatchesFilePattern("x.png", "*.bmp;*.gif"));
}

TEST_F(ControlsTest, ATextBoxTakesTypedCharactersAtTheCaret) {
    TextBox text(window_, "Text1");
    text.Move(10, 10, 200, 20);
    int changes = 0;
    text.OnChange = [&] { ++changes; };
    text.SetText("ac");
    text.SetSelStart(1);
    runtime_.desktop.PostText(text, "b");
    runtime_.desktop.PostKeyPress(key::kBack);
    runtime_.desktop.PostKeyPress(key::kBack);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(text.Text(), "c");
    EXPECT_EQ(text.SelStart(), 0);
    EXPECT_EQ(changes, 4);

    text.SetMaxLength(3);
    runtime_.desktop.PostText(text, "xyz");
    runtime_.loop.PumpEvents();
    EXPECT_EQ(text.Text(), "xyc");
}

}  // namespace
}  // namespace morvane
