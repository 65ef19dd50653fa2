#include <gtest/gtest.h>

#include "engine/flag_operations.h"
#include "interaction_fixture.h"

namespace morvane::testing {
namespace {

using ::testing::Not;

// Scene 1 holds one object of each kind; scene 2 is where Links lead. Item 1 is the key the
// objects want, item 2 a wrong item with its own refusal sound, item 3 what the Goodie gives.
class SceneObjectTest : public InteractionTest {
  protected:
    SceneObjectTest() {
        InventoryRecord gem = Item();
        gem.Icon = Name("gem.gif");
        game_.Items = {Item(), Item("no.wav"), gem};
        SceneRecord one;
        // A Link that needs item 1 and uses it up, leading to scene 2.
        one.Objects(1) = Visible(1, {{18, 1}, {19, 1}, {24, 2}}, {{5, "click.wav"}});
        // A Link with pointer UP-L, usable once, that adds 1 to flag 7.
        one.Objects(2) = Visible(1, {{12, 5}, {33, 1}, {29, 1}, {30, 7}, {31, 1}, {32, 1}});
        // A Goodie giving item 3 that sets flag 8 to 4.
        one.Objects(3) = Visible(2, {{17, 3}, {27, 1}, {28, 8}, {29, 4}}, {{5, "take.wav"}});
        // A Goodie giving item 3 that needs item 1, which returns to the bar; no refusal sound.
        one.Objects(4) = Visible(2, {{17, 3}, {18, 1}, {19, 1}, {20, 1}});
        // A one-frame Switch on flag 10, value 6.
        one.Objects(5) = Visible(3, {{12, 10}, {16, 6}}, {{5, "on.wav"}, {4, "off.wav"}});
        // A Switch of three frames on flag 11, value 9.
        one.Objects(6) = Visible(3, {{12, 11}, {16, 9}}, {{3, "lever.gif"}});
        // A Reactor used once that plays its sound (like 1), sets flag 12 to 3 and adds map
        // location 2.
        one.Objects(7) = Visible(
            4, {{12, 2}, {20, 1}, {21, 12}, {22, 3}, {24, 1}, {25, 2}, {26, 1}}, {{5, "bell.wav"}});
        one.Objects(8) = Visible(12);  // a kind from a newer authoring system
        game_.Scenes = {one, SceneRecord{}};
        LocationRecord location;
        location.Picture = Name("(None)");
        game_.Locations = {location, location};
    }

    void SetUp() override { Start(); }

    void TakeInHand(Integer item) {
        AddInventoryItem(Ctx(), item, false, 0);
        State().ItemInHand = State().InventoryCount;
        Win().Main.invitem(State().ItemInHand).SetVisible(false);
        Output();
    }
};

TEST_F(SceneObjectTest, LinkNeedingAnItemRefusesWithoutItAndWithTheWrongOne) {
    EXPECT_THAT(Click(1), HasSubstr("log: *** HotSpot (Object #1) requires Inventory Item #1!***"));
    EXPECT_EQ(PlayingOn(1), "need.wav") << "the game's default item-required sound";
    EXPECT_EQ(State().CurrentScene, 1);

    TakeInHand(2);
    EXPECT_THAT(Click(1), HasSubstr("log: *** HotSpot (Object #1) requires Inventory Item #1!***"));
    EXPECT_EQ(PlayingOn(15), "no.wav") << "the held item's own refusal sound";
    EXPECT_EQ(State().ItemInHand, 1) << "the wrong item stays in hand";
    EXPECT_EQ(State().CurrentScene, 1);
}

TEST_F(SceneObjectTest, LinkUsesUpTheRightItemAndLeadsToItsScene) {
    TakeInHand(2);
    Win().Main.invitem(1).SetVisible(true);
    State().ItemInHand = kNoItemInHand;
    TakeInHand(1);
    ASSERT_EQ(State().ItemInHand, 2);
    Animation_MouseMove(Ctx(), 1);
    EXPECT_EQ(player_->GetDesktop().Pointer().Picture(), Win().ItemImages.ItemHL(2).Picture())
        << "the held item is highlighted over an object that wants an item";

    const std::string out = Click(1);
    EXPECT_THAT(out, HasSubstr("log: Inventory Item #1 used on HotSpot (Object #1)\n"));
    EXPECT_THAT(out, HasSubstr("log: Inventory Bar compacted at slot 2\n"));
    EXPECT_EQ(Inventory(), std::vector<Integer>{2});
    EXPECT_EQ(State().ItemInHand, kNoItemInHand);
    EXPECT_EQ(State().CurrentScene, 2);
}

TEST_F(SceneObjectTest, OneUseLinkWorksOnceAndShowsTheNormalPointerAfterwards) {
    Animation_MouseMove(Ctx(), 2);
    EXPECT_TRUE(PointerIs(5));
    EXPECT_THAT(Click(2), HasSubstr("log: HotSpot (Object #2) clicked.\n"));
    EXPECT_EQ(State().Flags(7), 1);

    Animation_MouseMove(Ctx(), 2);
    EXPECT_TRUE(PointerIs(13));
    EXPECT_THAT(Click(2), Not(HasSubstr("HotSpot")));
    EXPECT_EQ(State().Flags(7), 1);

    Enter(1);
    Animation_Click(Ctx(), 2);
    EXPECT_EQ(State().Flags(7), 2) << "re-entering the scene makes it usable again";
}

TEST_F(SceneObjectTest, GoodieGivesItsItemPlaysItsSoundAndSetsItsFlag) {
    Animation_MouseMove(Ctx(), 3);
    EXPECT_TRUE(PointerIs(11));
    const std::string out = Click(3);
    EXPECT_THAT(out,
                HasSubstr("log: Goodie (Object #3) clicked.\nlog: Item #3 added to Inventory\n"));
    EXPECT_EQ(Inventory(), std::vector<Integer>{3});
    EXPECT_TRUE(Win().Main.invitem(1).Visible());
    EXPECT_EQ(PlayingOn(3), "take.wav");
    EXPECT_EQ(State().Flags(8), 4);
}

TEST_F(SceneObjectTest, GoodieWithoutItsItemStaysSilentAndWithItReturnsTheItem) {
    EXPECT_THAT(Click(4), HasSubstr("log: *** Goodie (Object #4) requires Inventory Item #1!***"));
    EXPECT_FALSE(PlayingOn(4)) << "no sound of its own and no default for a Goodie";
    EXPECT_TRUE(Inventory().empty());

    TakeInHand(1);
    EXPECT_THAT(Click(4), HasSubstr("log: Inventory Item #1 used on Goodie (Object #4)\n"));
    EXPECT_EQ(Inventory(), (std::vector<Integer>{1, 3}));
    EXPECT_EQ(State().ItemInHand, kNoItemInHand);
    EXPECT_TRUE(Win().Main.invitem(1).Visible()) << "the item went back to the bar";
}

TEST_F(SceneObjectTest, FullBarRefusesAGoodieAndTheHeldItemStaysInHand) {
    Give(std::vector<Integer>(15, 2));
    TakeInHand(1);
    ASSERT_EQ(State().InventoryCount, 16);
    EXPECT_THAT(Click(4), HasSubstr("log: Inventory Item #1 used on Goodie (Object #4)\n"));
    EXPECT_EQ(PlayingOn(15), "full.wav");
    EXPECT_EQ(State().InventoryCount, 16);
    EXPECT_EQ(State().ItemInHand, 16);
}

TEST_F(SceneObjectTest, OneFrameSwitchChangesItsFlagAtOnce) {
    Animation_MouseMove(Ctx(), 5);
    EXPECT_TRUE(PointerIs(10));
    EXPECT_THAT(Click(5), HasSubstr("log: Switch (Object #5) clicked.\n"));
    EXPECT_EQ(State().Flags(10), 6);
    EXPECT_EQ(PlayingOn(5), "on.wav");
    Animation_Click(Ctx(), 5);
    EXPECT_EQ(State().Flags(10), 0);
    EXPECT_EQ(PlayingOn(5), "off.wav");
}

TEST_F(SceneObjectTest, AnimatedSwitchChangesItsFlagWhenItsAnimationEnds) {
    AnimatedPicture& lever = Win().Main.Animation(6);
    ASSERT_EQ(lever.FrameCount(), 3);
    Animation_Click(Ctx(), 6);
    EXPECT_TRUE(lever.Playing());
    EXPECT_EQ(State().Flags(11), 0) << "the flag waits for the animation";
    Animation_Click(Ctx(), 6);
    EXPECT_EQ(Output(), "log: Switch (Object #6) clicked.\n") << "a second click is ignored";
    Settle();
    EXPECT_EQ(State().Flags(11), 9);
    EXPECT_EQ(lever.Frame(), 2);

    Animation_Click(Ctx(), 6);
    Settle();
    EXPECT_EQ(State().Flags(11), 0);
    EXPECT_EQ(lever.Frame(), 0) << "switched off, it plays backwards";
}

TEST_F(SceneObjectTest, OneUseReactorReactsOnce) {
    Animation_MouseMove(Ctx(), 7);
    EXPECT_TRUE(PointerIs(12));
    EXPECT_THAT(Click(7), HasSubstr("log: Reactor (Object #7) clicked.\n"));
    EXPECT_EQ(State().Flags(12), 3);
    EXPECT_EQ(PlayingOn(7), "bell.wav");
    EXPECT_EQ(State().Locations(2).Available, 1);

    SetFlag(player_->Engine(), 12, 0, 0);
    Output();
    EXPECT_THAT(Click(7), Not(HasSubstr("Reactor")));
    EXPECT_EQ(State().Flags(12), 0);
    Animation_MouseMove(Ctx(), 7);
    EXPECT_TRUE(PointerIs(13));
}

TEST_F(SceneObjectTest, ConversationLockLetsOnlyGoodiesReact) {
    State().Objects(9).Kind = 8;
    State().Objects(9).P(19) = 1;
    State().CurrentConv = 9;
    Win().Main.ConvBox.SetVisible(true);
    EXPECT_EQ(Click(7), "");
    EXPECT_EQ(Click(2), "");
    EXPECT_THAT(Click(3), HasSubstr("log: Goodie (Object #3) clicked.\n"));

    State().Objects(9).P(19) = 0;
    EXPECT_THAT(Click(7), HasSubstr("log: Reactor (Object #7) clicked.\n"));
}

TEST_F(SceneObjectTest, WaitPointerLocksTheObjects) {
    player_->GetDesktop().Pointer().AssignPicture(Win().MousePoint.Pointer(14).Picture());
    Animation_Click(Ctx(), 3);
    Animation_MouseMove(Ctx(), 3);
    EXPECT_EQ(Output(), "");
    EXPECT_TRUE(PointerIs(14));
}

TEST_F(SceneObjectTest, UnknownKindTellsWhereToGetANewerPlayer) {
    const std::string out = Click(8);
    EXPECT_THAT(out, HasSubstr("msgbox: Outdated version of Morvane Player | This object type is "
                               "unknown!  This program appears to have been"));
    EXPECT_THAT(out, HasSubstr("a newer version of the Morvane Player"));
}

}  // namespace
}  // namespace morvane::testing
