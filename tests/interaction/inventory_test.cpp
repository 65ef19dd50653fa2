#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "interaction/closeup.h"
#include "interaction/inventory_bar.h"
#include "interaction_fixture.h"

namespace morvane::testing {
namespace {

constexpr int kLeft = static_cast<int>(MouseButton::kLeft);

// Items: 1 combines with 3 into 4 (with a sound); 2 combines with nothing; 3 names 1 as its
// partner but its data is not asked when 1 is held; 5 is examined by sound; 6 opens a close-up
// and turns into 7, which has a close-up of its own.
class InventoryTest : public InteractionTest {
  protected:
    InventoryTest() {
        InventoryRecord one = Item();
        one.Combinable = 1;
        one.Partner = 3;
        one.Result = 4;
        one.CombineSound = Name("join.wav");
        InventoryRecord three = Item("no.wav");
        three.Combinable = 1;
        three.Partner = 1;
        three.Result = 4;
        InventoryRecord five = Item();
        five.ExamineSound = Name("look.wav");
        five.AddsMapLocation = 1;
        five.MapLocation = 1;
        five.ChangesFlag = 1;
        five.Flag = 20;
        five.FlagValue = 5;
        InventoryRecord six = Item();
        six.ExamineKind = 1;
        six.CloseupCaption = FixedText<30>("A small key");
        six.CloseupPlayMode = 2;
        six.CloseupPicture = Name("close.gif");
        six.Transforms = 1;
        six.TransformsInto = 7;
        InventoryRecord seven = six;
        seven.CloseupCaption = FixedText<30>("A bent key");
        seven.CloseupPicture = Name("lever.gif");
        seven.Transforms = 0;
        game_.Items = {one, Item(), three, Item(), five, six, seven};
        LocationRecord location;
        location.Picture = Name("(None)");
        game_.Locations = {location};
        game_.Scenes = {SceneRecord{}};
    }

    // Presses the left button on inventory slot `slot` and returns what that printed.
    std::string Press(int slot) {
        InvItem_MouseDown(Ctx(), slot, kLeft);
        return Output();
    }
};

TEST_F(InventoryTest, CombiningAsksOnlyTheHeldItemAndCompactsTheBar) {
    Start();
    Give({1, 2, 3});

    EXPECT_EQ(Press(2), "log: Inventory Item #2 in hand\n");
    EXPECT_FALSE(Win().Main.invitem(2).Visible());
    EXPECT_EQ(Press(3),
              "log: Combine Inventory Item #2 with Item #3\n"
              "log: Inventory Item #2 can't be combined with anything.\n");
    EXPECT_EQ(State().ItemInHand, 2);
    InvBar_MouseDown(Ctx(), kLeft);
    EXPECT_EQ(Output(), "log: Inventory Item #2 returned to Inventory Bar\n");
    EXPECT_TRUE(Win().Main.invitem(2).Visible());
    EXPECT_TRUE(PointerIs(13));

    Press(3);
    EXPECT_THAT(Press(2), HasSubstr("log: Inventory Item #3 and Item #2 can't be combined.\n"));
    EXPECT_EQ(PlayingOn(12), "no.wav");
    EXPECT_EQ(State().ItemInHand, 3);
    InvBar_MouseDown(Ctx(), kLeft);

    Press(1);
    const std::string out = Press(3);
    EXPECT_THAT(out, HasSubstr("log: Combine Inventory Item #1 with Item #3\n"
                               "log: Inventory Item #1 combined with Item #3 (OK)\n"));
    EXPECT_EQ(PlayingOn(12), "join.wav");
    EXPECT_THAT(out, HasSubstr("log: Replace Inventory Item #1 with Item #4\n"
                               "log: Inventory Bar compacted at slot 1\n"));
    EXPECT_EQ(Inventory(), (std::vector<Integer>{2, 4})) << "the result moved down with the bar";
    EXPECT_EQ(State().ItemInHand, kNoItemInHand);
    EXPECT_TRUE(Win().Main.invitem(1).Visible());
    EXPECT_TRUE(Win().Main.invitem(2).Visible());
    EXPECT_FALSE(Win().Main.invitem(3).Visible());
    EXPECT_TRUE(PointerIs(13));
}

TEST_F(InventoryTest, ExaminingBySoundAppliesTheItemsEffects) {
    Start();
    Give({5});
    Press(1);
    ExamineItem_Click(Ctx());
    const std::string out = Output();
    EXPECT_THAT(out, HasSubstr("log: Examine Item #5\n"));
    EXPECT_EQ(PlayingOn(12), "look.wav");
    EXPECT_EQ(State().Locations(1).Available, 1);
    EXPECT_TRUE(Win().MapWindow.Loctn(1).Visible());
    EXPECT_EQ(State().Flags(20), 5);
    EXPECT_FALSE(State().Examining);
    EXPECT_EQ(State().ItemInHand, 1) << "the item stays in hand";
}

TEST_F(InventoryTest, TransformedItemShowsItsOwnCloseupWhenExaminedAgain) {
    Start();
    Give({6});
    InvItem_MouseDown(Ctx(), 1, kLeft);
    ExamineItem_Click(Ctx());
    Closeup& closeup = Win().Closeup;
    EXPECT_EQ(closeup.ClsCapt.Caption(), "A small key");
    EXPECT_TRUE(closeup.Visible());
    EXPECT_EQ(closeup.ClsUpImg.FrameCount(), 2);
    EXPECT_THAT(Output(), HasSubstr("log: Replace Inventory Item #6 with Item #7\n"));
    EXPECT_EQ(Inventory(), std::vector<Integer>{7});
    EXPECT_EQ(State().ItemInHand, 1);
    Settle();
    EXPECT_FALSE(closeup.Block.Visible()) << "the start-up delay uncovered the picture";
    Closeup_Command1_Click(Ctx());
    EXPECT_FALSE(closeup.Visible());
    EXPECT_TRUE(closeup.Block.Visible());

    ExamineItem_Click(Ctx());
    EXPECT_EQ(closeup.ClsCapt.Caption(), "A bent key");
    EXPECT_EQ(closeup.ClsUpImg.FrameCount(), 3) << "the new item's own close-up";
    EXPECT_TRUE(Ctx().Closeup.Ready);
}

TEST_F(InventoryTest, FullBarRefusesWithTheStatusLineWhenTheGameHasNoFullSound) {
    game_.General->InventoryFullSound = Name("");
    Start();
    Give(std::vector<Integer>(16, 2));
    AddInventoryItem(Ctx(), 4, false, 0);
    EXPECT_EQ(Output(), "log: Couldn't add Item #4 to Inventory - Inventory Full.\n");
    EXPECT_EQ(State().InventoryCount, 16);
    EXPECT_TRUE(Win().Main.MsgStatus.Visible());
    EXPECT_EQ(Win().Main.Msg.Caption(), "Inventory Full");
    Settle();
    EXPECT_FALSE(Win().Main.MsgStatus.Visible());
}

TEST_F(InventoryTest, SingleCopyItemIsRefusedASecondTime) {
    game_.Items[1].MultipleCopies = 0;
    Start();
    Give({2});
    AddInventoryItem(Ctx(), 2, false, 0);
    EXPECT_EQ(Output(), "log: Couldn't add Item #2 to Inventory - Already there.\n");
    EXPECT_EQ(Inventory(), std::vector<Integer>{2});
}

TEST_F(InventoryTest, SeventeenthStartItemIsRefusedLikeOnAnyFullBar) {
    game_.Items.clear();
    for (int n = 0; n < 17; ++n) {
        InventoryRecord item = Item();
        item.CarriedAtStart = 1;
        game_.Items.push_back(item);
    }
    Start();
    LoadStartItems(Ctx());
    ShowInventoryBar(Ctx());
    EXPECT_EQ(State().InventoryCount, 16);
    EXPECT_EQ(State().SlotItem(16), 16);
    EXPECT_THAT(Output(), HasSubstr("log: Couldn't add Item #17 to Inventory - Inventory Full.\n"));
    EXPECT_EQ(PlayingOn(12), "full.wav");
    EXPECT_TRUE(Win().Main.invitem(16).Visible());
}

}  // namespace
}  // namespace morvane::testing
