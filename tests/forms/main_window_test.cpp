#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "forms_fixture.h"

namespace morvane {
namespace {

class MainWindowTest : public testing::FormsTest {
  protected:
    MainWindowTest() { main_.Show(); }

    // Shows object `slot` at a place in scene-view coordinates, as the object update does.
    AnimatedPicture& PlaceObject(int slot, int left, int top, int size = 64) {
        AnimatedPicture& object = main_.Animation(slot);
        object.Move(left, top, size, size);
        object.SetVisible(true);
        return object;
    }

    void ClickAt(Point screen) {
        runtime_.desktop.PostClick(screen);
        runtime_.loop.PumpEvents();
    }

    Main& main_ = forms_.Main;
    testing::Journal journal_;
};

TEST_F(MainWindowTest, TheSceneViewIs700By475AtLeft48Top56AndHoldsTheSceneInItsOwnCoordinates) {
    EXPECT_EQ(main_.Bounds(), (Rect{0, 0, 800, 600}));
    EXPECT_EQ(runtime_.desktop.ScreenBounds(main_.ScnImg), (Rect{48, 56, 700, 475}));

    std::vector<const Control*> scene_children = {&main_.ConvBox, &main_.AVIBG, &main_.MovieWindow};
    main_.Animation.ForEach(
        [&](AnimatedPicture& object, int) { scene_children.push_back(&object); });
    main_.Directionl.ForEach([&](Image& arrow, int) { scene_children.push_back(&arrow); });
    for (const Control* control : scene_children) {
        EXPECT_EQ(control->Parent(), &main_.ScnImg) << control->QualifiedName();
    }

    AnimatedPicture& object = PlaceObject(3, 100, 50);
    const Desktop::Hit hit = runtime_.desktop.HitTest({148 + 2, 106 + 3});
    EXPECT_EQ(hit.target, &object);
    EXPECT_EQ(hit.local, (Point{2, 3}));
}

TEST_F(MainWindowTest, BlockCoversTheWholeSceneViewAndSwallowsClicksMeantForObjects) {
    EXPECT_EQ(runtime_.desktop.ScreenBounds(main_.Block),
              runtime_.desktop.ScreenBounds(main_.ScnImg));
    main_.Block.OnClick = journal_.Note("Block_Click");
    AnimatedPicture& near_corner = PlaceObject(1, 0, 0, 10);
    AnimatedPicture& far_corner = PlaceObject(20, 690, 465, 10);
    far_corner.OnClick = journal_.Note("Animation_Click(20)");
    main_.Directionl(2).Move(650, 200, 50, 80);
    main_.Directionl(2).OnClick = journal_.Note("Directionl_Click(2)");

    main_.Block.SetVisible(true);
    for (const Control* below :
         std::initializer_list<const Control*>{&near_corner, &far_corner, &main_.Directionl(2)}) {
        EXPECT_FALSE(Reachable(*below)) << below->QualifiedName();
        EXPECT_EQ(HitAt(CentreOf(*below)), &main_.Block) << below->QualifiedName();
    }
    ClickAt(CentreOf(far_corner));
    ClickAt(CentreOf(main_.Directionl(2)));
    EXPECT_EQ(journal_.lines, (std::vector<std::string>{"Block_Click", "Block_Click"}));
    EXPECT_TRUE(Reachable(main_.ExamineItem)) << "the block covers the scene view only";

    main_.Block.SetVisible(false);
    journal_.lines.clear();
    ClickAt(CentreOf(far_corner));
    ClickAt(CentreOf(main_.Directionl(2)));
    EXPECT_EQ(journal_.lines,
              (std::vector<std::string>{"Animation_Click(20)", "Directionl_Click(2)"}));
}

TEST_F(MainWindowTest, ObjectsLieAboveArrowsAndTheConversationBoxAndMovieAboveObjects) {
    main_.Directionl(4).Move(0, 100, 80, 200);
    AnimatedPicture& object = PlaceObject(5, 20, 150);
    EXPECT_EQ(HitAt(CentreOf(object)), &object) << "an object over an arrow takes the click";

    AnimatedPicture& low = PlaceObject(2, 400, 380, 80);
    PlaceObject(19, 420, 390, 80);
    EXPECT_EQ(HitAt(CentreOf(low)), &main_.Animation(19)) << "a higher slot lies above";

    main_.ConvBox.SetVisible(true);
    const Control* hit = HitAt(CentreOf(low));
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == &main_.ConvBox || hit->Parent() == &main_.ConvBox);

    main_.AVIBG.SetVisible(true);
    EXPECT_EQ(HitAt(CentreOf(low)), &main_.AVIBG);
    main_.MovieWindow.SetVisible(true);
    EXPECT_EQ(HitAt(CentreOf(low)), &main_.MovieWindow);
}

TEST_F(MainWindowTest, TheConversationBoxEndsAtTheSceneViewsRightEdgeWithItsLinesInside) {
    const Rect box = main_.ConvBox.Bounds();
    EXPECT_EQ(box.left, 343);
    EXPECT_EQ(box.left + box.width, 700);
    EXPECT_LE(box.top + box.height, 475);
    main_.ConvBox.SetVisible(true);
    main_.ConvText.ForEach([&](Label& line, int index) {
        EXPECT_EQ(line.Parent(), &main_.ConvBox);
        EXPECT_FALSE(line.Visible()) << "a line shows only when the card fills it";
        line.SetVisible(true);
        line.SetCaption("line");
        EXPECT_EQ(HitAt(CentreOf(line)), &line) << index;
    });
}

TEST_F(MainWindowTest, EveryInventorySlotTakesItsOwnClickAndTheHighlightFrameTakesNone) {
    main_.InvBar.OnMouseDown = [this](const MouseArgs&) { journal_.Add("InvBar_MouseDown"); };
    main_.invitem.ForEach([](PictureBox& slot, int) { slot.SetVisible(true); });
    main_.invitem.ForEach([&](PictureBox& slot, int index) {
        EXPECT_TRUE(Reachable(slot)) << index;
        EXPECT_EQ(slot.Parent(), &main_.InvBar);
    });

    // The frame around a hovered slot starts one pixel to its left, as the bar's handler puts it.
    PictureBox& slot = main_.invitem(16);
    main_.ItemHiLite.Move(slot.Left() - 1, slot.Top(), main_.ItemHiLite.Width(),
                          main_.ItemHiLite.Height());
    main_.ItemHiLite.SetVisible(true);
    EXPECT_TRUE(Reachable(slot));
    const Rect frame = runtime_.desktop.ScreenBounds(main_.ItemHiLite);
    ClickAt({frame.left, frame.top + frame.height / 2});
    EXPECT_EQ(journal_.lines, (std::vector<std::string>{"InvBar_MouseDown"}));
}

TEST_F(MainWindowTest, TheButtonsBesideTheSceneAreReachableAndTheDebugButtonOnlyWhenShown) {
    ExpectReachable({&main_.MainMenuButtn, &main_.SaveGameButtn, &main_.ExamineItem});
    EXPECT_FALSE(Reachable(main_.Command1));
    main_.Command1.SetVisible(true);
    EXPECT_TRUE(Reachable(main_.Command1));
    EXPECT_EQ(main_.Command1.Caption(), "Debug");
}

// Cuts a score display to its current-score part, as the game does when it has no maximum
// score, and checks what stays in view.
void ExpectCutKeepsOnlyTheCurrentScore(Panel& display, int left, int width, const Label& current,
                                       const Label& maximum) {
    SCOPED_TRACE(display.Name());
    display.Move(left, display.Top(), width, display.Height());
    EXPECT_GE(current.Left(), 0);
    EXPECT_LE(current.Left() + current.Width(), width) << "the current score stays whole";
    EXPECT_GE(maximum.Left(), width) << "the maximum score is cut off";
    EXPECT_LE(left + width, 800);
}

TEST_F(MainWindowTest, CuttingAScoreDisplayKeepsTheCurrentScoreAndDropsTheMaximum) {
    ExpectCutKeepsOnlyTheCurrentScore(main_.SmallScore, 610, 60, main_.CurrScore_Small,
                                      main_.MaxScore_Small);
    ExpectCutKeepsOnlyTheCurrentScore(main_.LargeScore, 541, 135, main_.CurrScore_Large,
                                      main_.MaxScore_Large);
}

// The score displays' pictures draw a frame with rounded corners round their edge; every label
// lies one line high in the middle of its display, clear of that frame.
TEST_F(MainWindowTest, ScoreLabelsLieInTheMiddleOfTheirDisplayClearOfItsFrame) {
    constexpr int kFrame = 6;
    const struct {
        const Panel& display;
        std::vector<const Label*> labels;
    } displays[] = {
        {main_.SmallScore, {&main_.CurrScore_Small, &main_.Label1, &main_.MaxScore_Small}},
        {main_.LargeScore,
         {&main_.Label3, &main_.CurrScore_Large, &main_.Label2, &main_.MaxScore_Large}},
    };
    for (const auto& d : displays) {
        for (const Label* label : d.labels) {
            SCOPED_TRACE(label->QualifiedName());
            EXPECT_EQ(label->Parent(), &d.display);
            EXPECT_GE(label->Left(), kFrame);
            EXPECT_LE(label->Left() + label->Width(), d.display.Width() - kFrame);
            EXPECT_GE(label->Top(), kFrame);
            EXPECT_LE(label->Top() + label->Height(), d.display.Height() - kFrame);
            EXPECT_LE(std::abs(2 * label->Top() + label->Height() - d.display.Height()), 1)
                << "not in the middle of the display's height";
        }
    }
}

TEST_F(MainWindowTest, TheStatusMessageIsCentredOnTheSceneViewAboveTheBlock) {
    const Point message = CentreOf(main_.MsgStatus);
    const Point scene = CentreOf(main_.ScnImg);
    EXPECT_LE(std::abs(message.x - scene.x), 1);
    EXPECT_LE(std::abs(message.y - scene.y), 1);
    main_.Block.SetVisible(true);
    main_.MsgStatus.SetVisible(true);
    const Control* hit = HitAt(message);
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == &main_.MsgStatus || hit->Parent() == &main_.MsgStatus);
}

}  // namespace
}  // namespace morvane
