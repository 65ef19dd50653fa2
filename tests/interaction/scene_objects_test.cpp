#include <gtest/gtest.h>

#include "engine/flag_operations.h"
#include "interaction/inventory.h"
#include "interaction/scene_objects.h"
#include "interaction_fixture.h"

namespace morvane::testing {
namespace {

using ::testing::HasSubstr;
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
        ObjectBlock& link = one.Objects(1) = Visible(1);
        link.P(18) = 1;  // needs item 1, used up
        link.P(19) = 1;
        link.P(24) = 2;  // leads to scene 2
        link.S(5) = Name("click.wav");
        ObjectBlock& once = one.Objects(2) = Visible(1);
        once.P(12) = 5;  // pointer UP-L
        once.P(33) = 1;  // one use, adds 1 to flag 7
        once.P(29) = 1;
        once.P(30) = 7;
        once.P(31) = 1;
        once.P(32) = 1;
        ObjectBlock& goodie = one.Objects(3) = Visible(2);
        goodie.P(17) = 3;
        goodie.S(5) = Name("take.wav");
        goodie.P(27) = 1;  // sets flag 8 to 4
        goodie.P(28) = 8;
        goodie.P(29) = 4;
        ObjectBlock& needy = one.Objects(4) = Visible(2);
        needy.P(17) = 3;
        needy.P(18) = 1;  // needs item 1, which returns to the bar; no refusal sound
        needy.P(19) = 1;
        needy.P(20) = 1;
        ObjectBlock& still = one.Objects(5) = Visible(3);
        still.P(12) = 10;  // one-frame switch on flag 10, value 6
        still.P(16) = 6;
        still.S(5) = Name("on.wav");
        still.S(4) = Name("off.wav");
        ObjectBlock& lever = one.Objects(6) = Visible(3);
        lever.S(3) = Name("lever.gif");  // three frames
        lever.P(12) = 11;
        lever.P(16) = 9;
        ObjectBlock& reactor = one.Objects(7) = Visible(4);
        reactor.P(12) = 2;  // plays its sound, like 1
        reactor.S(5) = Name("bell.wav");
        reactor.P(20) = 1;  // sets flag 12 to 3
        reactor.P(21) = 12;
        reactor.P(22) = 3;
        reactor.P(24) = 1;  // adds map location 2
        reactor.P(25) = 2;
        reactor.P(26) = 1;             // one use
        one.Objects(8) = Visible(12);  // a kind from a newer authoring system
        game_.Scenes = {one, SceneRecord{}};
        LocationRecord location;
        location.Picture = Name("(None)");
        game_.Locations = {location, location};
    }

    void TakeInHand(Integer item) {
        AddInventoryItem(Ctx(), item, false, 0);
        State().ItemInHand = State().InventoryCount;
        Win().Main.invitem(State().ItemInHand).SetVisible(false);
        Output();
    }
};

TEST_F(SceneObjectTest, LinkNeedingAnItemRefusesWithoutItAndWithTheWrongOne) {
    Start();
    Animation_Click(Ctx(), 1);
    EXPECT_THAT(Output(), HasSubstr("log: *** HotSpot (Object #1) requires Inventory Item #1!***"));
    EXPECT_EQ(PlayingOn(1), "need.wav") << "the game's default item-required sound";
    EXPECT_EQ(State().CurrentScene, 1);

    TakeInHand(2);
    Animation_Click(Ctx(), 1);
    EXPECT_THAT(Output(), HasSubstr("log: *** HotSpot (Object #1) requires Inventory Item #1!***"));
    EXPECT_EQ(PlayingOn(15), "no.wav") << "the held item's own refusal sound";
    EXPECT_EQ(State().ItemInHand, 1) << "the wrong item stays in hand";
    EXPECT_EQ(State().CurrentScene, 1);
}

TEST_F(SceneObjectTest, LinkUsesUpTheRightItemAndLeadsToItsScene) {
    Start();
    TakeInHand(2);
    Win().Main.invitem(1).SetVisible(true);
    State().ItemInHand = kNoItemInHand;
    TakeInHand(1);
    ASSERT_EQ(State().ItemInHand, 2);
    Animation_MouseMove(Ctx(), 1);
    EXPECT_EQ(player_->GetDesktop().Pointer().Picture(), Win().ItemImages.ItemHL(2).Picture())
        << "the held item is highlighted over an object that wants an item";

    Animation_Click(Ctx(), 1);
    const std::string out = Output();
    EXPECT_THAT(out, HasSubstr("log: Inventory Item #1 used on HotSpot (Object #1)\n"));
    EXPECT_THAT(out, HasSubstr("log: Inventory Bar compacted at slot 2\n"));
    EXPECT_EQ(Inventory(), std::vector<Integer>{2});
    EXPECT_EQ(State().ItemInHand, kNoItemInHand);
    EXPECT_EQ(State().CurrentScene, 2);
}

TEST_F(SceneObjectTest, OneUseLinkWorksOnceAndShowsTheNormalPointerAfterwards) {
    Start();
    Animation_MouseMove(Ctx(), 2);
    EXPECT_TRUE(PointerIs(5));
    Animation_Click(Ctx(), 2);
    EXPECT_THAT(Output(), HasSubstr("log: HotSpot (Object #2) clicked.\n"));
    EXPECT_EQ(State().Flags(7), 1);

    Animation_MouseMove(Ctx(), 2);
    EXPECT_TRUE(PointerIs(13));
    Animation_Click(Ctx(), 2);
    EXPECT_THAT(Output(), Not(HasSubstr("HotSpot")));
    EXPECT_EQ(State().Flags(7), 1);

    Enter(1);
    Animation_Click(Ctx(), 2);
    EXPECT_EQ(State().Flags(7), 2) << "re-entering the scene makes it usable again";
}

TEST_F(SceneObjectTest, GoodieGivesItsItemPlaysItsSoundAndSetsItsFlag) {
    Start();
    Animation_MouseMove(Ctx(), 3);
    EXPECT_TRUE(PointerIs(11));
    Animation_Click(Ctx(), 3);
    const std::string out = Output();
    EXPECT_THAT(out,
                HasSubstr("log: Goodie (Object #3) clicked.\nlog: Item #3 added to Inventory\n"));
    EXPECT_EQ(Inventory(), std::vector<Integer>{3});
    EXPECT_TRUE(Win().Main.invitem(1).Visible());
    EXPECT_EQ(PlayingOn(3), "take.wav");
    EXPECT_EQ(State().Flags(8), 4);
}

TEST_F(SceneObjectTest, GoodieWithoutItsItemStaysSilentAndWithItReturnsTheItem) {
    Start();
    Animation_Click(Ctx(), 4);
    EXPECT_THAT(Output(), HasSubstr("log: *** Goodie (Object #4) requires Inventory Item #1!***"));
    EXPECT_FALSE(PlayingOn(4)) << "no sound of its own and no default for a Goodie";
    EXPECT_TRUE(Inventory().empty());

    TakeInHand(1);
    Animation_Click(Ctx(), 4);
    EXPECT_THAT(Output(), HasSubstr("log: Inventory Item #1 used on Goodie (Object #4)\n"));
    EXPECT_EQ(Inventory(), (std::vector<Integer>{1, 3}));
    EXPECT_EQ(State().ItemInHand, kNoItemInHand);
    EXPECT_TRUE(Win().Main.invitem(1).Visible()) << "the item went back to the bar";
}

TEST_F(SceneObjectTest, FullBarRefusesAGoodieAndTheHeldItemStaysInHand) {
    Start();
    for (int n = 0; n < 15; ++n) {
        AddInventoryItem(Ctx(), 2, false, 0);
    }
    TakeInHand(1);
    ASSERT_EQ(State().InventoryCount, 16);
    Animation_Click(Ctx(), 4);
    EXPECT_THAT(Output(), HasSubstr("log: Inventory Item #1 used on Goodie (Object #4)\n"));
    EXPECT_EQ(PlayingOn(15), "full.wav");
    EXPECT_EQ(State().InventoryCount, 16);
    EXPECT_EQ(State().ItemInHand, 16);
}

TEST_F(SceneObjectTest, OneFrameSwitchChangesItsFlagAtOnce) {
    Start();
    Animation_MouseMove(Ctx(), 5);
    EXPECT_TRUE(PointerIs(10));
    Animation_Click(Ctx(), 5);
    EXPECT_THAT(Output(), HasSubstr("log: Switch (Object #5) clicked.\n"));
    EXPECT_EQ(State().Flags(10), 6);
    EXPECT_EQ(PlayingOn(5), "on.wav");
    Animation_Click(Ctx(), 5);
    EXPECT_EQ(State().Flags(10), 0);
    EXPECT_EQ(PlayingOn(5), "off.wav");
}

TEST_F(SceneObjectTest, AnimatedSwitchChangesItsFlagWhenItsAnimationEnds) {
    Start();
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
    Start();
    Animation_MouseMove(Ctx(), 7);
    EXPECT_TRUE(PointerIs(12));
    Animation_Click(Ctx(), 7);
    EXPECT_THAT(Output(), HasSubstr("log: Reactor (Object #7) clicked.\n"));
    EXPECT_EQ(State().Flags(12), 3);
    EXPECT_EQ(PlayingOn(7), "bell.wav");
    EXPECT_EQ(State().Locations(2).Available, 1);

    SetFlag(player_->Engine(), 12, 0, 0);
    Output();
    Animation_Click(Ctx(), 7);
    EXPECT_THAT(Output(), Not(HasSubstr("Reactor")));
    EXPECT_EQ(State().Flags(12), 0);
    Animation_MouseMove(Ctx(), 7);
    EXPECT_TRUE(PointerIs(13));
}

TEST_F(SceneObjectTest, ConversationLockLetsOnlyGoodiesReact) {
    Start();
    State().Objects(9).Kind = 8;
    State().Objects(9).P(19) = 1;
    State().CurrentConv = 9;
    Win().Main.ConvBox.SetVisible(true);
    Animation_Click(Ctx(), 7);
    Animation_Click(Ctx(), 2);
    EXPECT_EQ(Output(), "");
    Animation_Click(Ctx(), 3);
    EXPECT_THAT(Output(), HasSubstr("log: Goodie (Object #3) clicked.\n"));

    State().Objects(9).P(19) = 0;
    Animation_Click(Ctx(), 7);
    EXPECT_THAT(Output(), HasSubstr("log: Reactor (Object #7) clicked.\n"));
}

TEST_F(SceneObjectTest, WaitPointerLocksTheObjects) {
    Start();
    player_->GetDesktop().Pointer().AssignPicture(Win().MousePoint.Pointer(14).Picture());
    Animation_Click(Ctx(), 3);
    Animation_MouseMove(Ctx(), 3);
    EXPECT_EQ(Output(), "");
    EXPECT_TRUE(PointerIs(14));
}

TEST_F(SceneObjectTest, UnknownKindTellsWhereToGetANewerPlayer) {
    Start();
    Animation_Click(Ctx(), 8);
    const std::string out = Output();
    EXPECT_THAT(out, HasSubstr("msgbox: Outdated version of Morvane Player | This object type is "
                               "unknown!  This program appears to have been"));
    EXPECT_THAT(out, HasSubstr("a newer version of the Morvane Player"));
}

}  // namespace
}  // namespace morvane::testing
