#include "player/player.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../platform/fake_picture.h"
#include "database/game_data.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_list_box.h"
#include "support/game_builder.h"
#include "support/media_files.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

class PlayerTest : public ::testing::Test {
  protected:
    PlayerTest() {
        testing::GameBuilder(folder_.Path()).Write(testing::MapGame({false, true}));
        options_.game_folder = folder_.Path();
        options_.headless = true;
    }

    int Play(Player& player, const std::string& script) {
        const ParsedScript parsed = ParseScript(script);
        EXPECT_FALSE(parsed.error);
        return player.Run(parsed.commands, errors_);
    }

    testing::TempFolder folder_;
    PlayerOptions options_;
    std::ostringstream out_;
    std::ostringstream errors_;
};

TEST_F(PlayerTest, ScriptsReadTheGameStateAndTheOpenedDatabases) {
    Player player(options_, out_);
    // The main window's load puts the held item down; the state below comes after it.
    player.GetForms().Main.Load();
    GameState& state = player.State();
    state.CurrentScene = 6;
    state.Flags(5) = 2;
    state.Flags(255) = -1;
    state.InventoryCount = 2;
    state.SlotItem(1) = 7;
    state.SlotItem(2) = 3;
    state.ItemInHand = 2;

    EXPECT_EQ(Play(player,
                   "wait 4000\nexpect scene 6\nexpect flag 5 2\nexpect inventory 7 3\n"
                   "expect in-hand 3\nexpect location 2 shown\n"
                   "expect location 1 hidden\nexpect playing 1 none\nstate\n"),
              0)
        << out_.str();
    EXPECT_EQ(out_.str(),
              "state: scene=6 in-hand=3 inventory=[7 3] flags=[5=2 255=-1] "
              "locations=[2]\n");
}

TEST_F(PlayerTest, NoItemIsInHandWhenTheSlotIsNone) {
    Player player(options_, out_);
    player.State().InventoryCount = 1;
    player.State().SlotItem(1) = 4;
    player.State().ItemInHand = kNoItemInHand;
    EXPECT_EQ(Play(player, "expect in-hand none\nexpect inventory 4\n"), 0) << out_.str();
}

TEST_F(PlayerTest, PointerExpectationsUseTheHiddenPointerWindows) {
    Player player(options_, out_);
    Forms& forms = player.GetForms();
    forms.Main.Load();
    const auto normal = testing::MakeBlankPicture("normal");
    const auto held = testing::MakeBlankPicture("held");
    const auto held_hl = testing::MakeBlankPicture("held-hl");
    forms.MousePoint.Pointer(13).SetPicture(normal);
    forms.ItemImages.ItemPoint(1).SetPicture(held);
    forms.ItemImages.ItemHL(1).SetPicture(held_hl);
    player.State().InventoryCount = 1;
    player.State().SlotItem(1) = 9;
    player.State().ItemInHand = 1;

    // Opening the general file makes pointer 13 the current pointer.
    EXPECT_EQ(Play(player, "wait 4000\nexpect pointer 13\nexpect pointer item\n"), 1);
    EXPECT_EQ(out_.str(),
              "FAIL 3: the pointer shows pointer 13, expected the held item's "
              "pointer\n");

    player.GetDesktop().Pointer().ShowPicture(held_hl);
    EXPECT_EQ(player.Queries().HeldItemPointer(true), held_hl);
    player.State().ItemInHand = kNoItemInHand;
    EXPECT_EQ(player.Queries().HeldItemPointer(false), nullptr);
}

TEST_F(PlayerTest, LogLinesAndMessageBoxesShareOneOrderedOutput) {
    options_.log = true;
    Player player(options_, out_);
    // The start window's "Loading" line is the first thing a user can click.
    Label& loading = player.GetForms().StartForm.Label1;
    loading.OnClick = [&] {
        player.LogLine("before");
        const auto answer = player.GetDesktop().ShowMessageBox(
            {"Title", "Sure?", MsgBoxButtons::kYesNo, MsgBoxIcon::kQuestion});
        player.LogLine(answer == MsgBoxResult::kYes ? "yes" : "no");
    };

    EXPECT_EQ(Play(player, "answer yes\nclick StartForm.Label1\n"), 0) << errors_.str();
    EXPECT_TRUE(player.State().LogSwitch) << "--log turns logging on from the start";
    EXPECT_EQ(out_.str(), "log: before\nmsgbox: Title | Sure?\nlog: yes\n");
    const ListBox& notify = player.GetForms().NoWin.List1;
    ASSERT_EQ(notify.ListCount(), 2);
    EXPECT_EQ(notify.List(0), "before");
    EXPECT_EQ(notify.Text(), "yes") << "the newest line is selected";
    EXPECT_EQ(player.GetForms().MvDebug.Check1.Value(), CheckBox::kChecked);
}

TEST_F(PlayerTest, MediaTraceOnlyWhenAsked) {
    Player quiet(options_, out_);
    EXPECT_FALSE(quiet.MediaTraceSink());

    options_.trace_media = true;
    Player traced(options_, out_);
    const auto sink = traced.MediaTraceSink();
    ASSERT_TRUE(sink);
    sink("media: midi theme.mid vol=0");
    EXPECT_EQ(out_.str(), "media: midi theme.mid vol=0\n");
}

TEST_F(PlayerTest, ScriptsSeeWhatTheSoundChannelsPlay) {
    const auto wav = folder_.Write("resource/mmedia/door.wav", testing::SilentWav());
    Player player(options_, out_);
    player.Sound().Play(3, "door.wav", wav, false);
    EXPECT_EQ(Play(player,
                   "expect playing 3 door.wav\nexpect playing 4 none\nwait 1500\n"
                   "expect playing 3 none\n"),
              0)
        << out_.str();
}

TEST_F(PlayerTest, HeadlessWithoutAScriptEndsWhenThePlayerWaits) {
    Player player(options_, out_);
    EXPECT_EQ(player.Run(std::nullopt, errors_), 0);
    EXPECT_TRUE(player.GetForms().StartForm.Visible()) << "the start window was shown";
}

}  // namespace
}  // namespace morvane
