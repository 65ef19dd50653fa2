#include "platform/desktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fake_picture.h"
#include "platform/control_array.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_text_box.h"
#include "platform/control_timer.h"
#include "platform/window.h"
#include "runtime_fixture.h"

namespace morvane {
namespace {

using testing::Act;
using testing::Journal;
using testing::StepInput;

// A window shaped like the game's main window: a scene view holding object pictures, a panel
// that can cover the scene view, and a button beside it.
class SceneWindow : public Window {
  public:
    SceneWindow(Desktop& desktop, Journal& journal) : Window(desktop, "Main"), journal_(journal) {
        Move(0, 0, 800, 600);
        ScnImg.Move(48, 56, 700, 475);
        Animation.ForEach([this](PictureBox& object, int index) {
            object.Move(100 * index, 50 * index, 120, 80);
            object.OnClick = [this, index] {
                journal_.Add("Animation_Click(" + std::to_string(index) + ")");
            };
        });
        Block.Move(48, 56, 700, 475);
        Block.SetVisible(false);
        Block.OnClick = journal_.Note("Block_Click");
        Command1.Move(10, 550, 80, 30);
        Command1.OnClick = journal_.Note("Command1_Click");
        OnClick = journal_.Note("Form_Click");
        ScnImg.OnClick = journal_.Note("ScnImg_Click");
    }

    PictureBox ScnImg{*this, "ScnImg"};
    ControlArray<PictureBox> Animation{ScnImg, "Animation", 3};
    Panel Block{*this, "Block"};
    Button Command1{*this, "Command1"};

  private:
    Journal& journal_;
};

class Dialog : public Window {
  public:
    Dialog(Desktop& desktop, Journal& journal) : Window(desktop, "QuitGameQuery") {
        Move(300, 250, 200, 100);
        ButtnYes.Move(20, 60, 60, 25);
        ButtnYes.OnClick = [this, &journal] {
            journal.Add("ButtnYes_Click");
            Hide();
        };
    }
    Button ButtnYes{*this, "ButtnYes"};
};

class DesktopTest : public ::testing::Test {
  protected:
    DesktopTest() { main_.Show(); }

    Point CentreOf(const Control& control) const {
        return runtime_.desktop.ScreenBounds(control).Centre();
    }
    Control* HitAt(Point p) const { return runtime_.desktop.HitTest(p).target; }
    void ClickOn(const Control& control, MouseButton button = MouseButton::kLeft) {
        runtime_.desktop.PostClick(CentreOf(control), button);
        runtime_.loop.PumpEvents();
    }

    testing::Runtime runtime_;
    Journal journal_;
    SceneWindow main_{runtime_.desktop, journal_};
    Dialog dialog_{runtime_.desktop, journal_};
};

TEST_F(DesktopTest, TheFrontmostShownControlUnderThePointTakesTheHit) {
    auto& first = main_.Animation(1);
    auto& second = main_.Animation(2);
    // A point where objects 1 and 2 overlap.
    const Rect one = runtime_.desktop.ScreenBounds(first);
    const Point overlap{one.left + one.width - 5, one.top + one.height - 5};
    ASSERT_TRUE(runtime_.desktop.ScreenBounds(second).Contains(overlap));

    EXPECT_EQ(HitAt(overlap), &second) << "a later control lies above an earlier one";
    first.ZOrder();
    EXPECT_EQ(HitAt(overlap), &first);
    first.SetVisible(false);
    EXPECT_EQ(HitAt(overlap), &second);
    second.SetEnabled(false);
    EXPECT_EQ(HitAt(overlap), &main_.ScnImg)
        << "a disabled control passes the hit to its container";
    main_.ScnImg.SetVisible(false);
    EXPECT_EQ(HitAt(overlap), &main_);
}

TEST_F(DesktopTest, HitPointsAreInTheTargetsCoordinates) {
    const Rect bounds = runtime_.desktop.ScreenBounds(main_.Animation(3));
    const Desktop::Hit hit = runtime_.desktop.HitTest({bounds.left + 7, bounds.top + 9});
    EXPECT_EQ(hit.target, &main_.Animation(3));
    EXPECT_EQ(hit.local, (Point{7, 9}));
}

TEST_F(DesktopTest, PicturesAndLabelsLieBelowWindowedSiblings) {
    Image picture(main_, "Image1");
    Label label(main_, "Label1");
    picture.Move(600, 540, 100, 40);
    label.Move(600, 540, 100, 40);
    PictureBox box(main_, "Picture2");
    box.Move(650, 540, 100, 40);
    box.ZOrder(Control::ZPosition::kBack);
    picture.ZOrder();
    EXPECT_EQ(HitAt({660, 550}), &box);
    EXPECT_EQ(HitAt({610, 550}), &picture);
    label.ZOrder();
    EXPECT_EQ(HitAt({610, 550}), &label);
}

TEST_F(DesktopTest, ContainersClipTheirChildren) {
    auto& object = main_.Animation(3);
    object.Move(650, 100, 120, 80);  // runs past the right edge of the scene view
    const Rect view = runtime_.desktop.ScreenBounds(main_.ScnImg);
    const Rect bounds = runtime_.desktop.ScreenBounds(object);
    const Point outside{view.left + view.width + 5, bounds.top + 10};
    ASSERT_TRUE(bounds.Contains(outside));
    EXPECT_EQ(HitAt(outside), &main_);
    EXPECT_EQ(HitAt({view.left + view.width - 5, bounds.top + 10}), &object);
}

TEST_F(DesktopTest, ACoveringPanelSwallowsClicksMeantForWhatLiesBelow) {
    auto& object = main_.Animation(1);
    main_.Block.SetVisible(true);
    EXPECT_FALSE(runtime_.desktop.Reachable(object));
    ClickOn(object);
    EXPECT_EQ(journal_.lines, (std::vector<std::string>{"Block_Click"}));

    main_.Block.SetVisible(false);
    EXPECT_TRUE(runtime_.desktop.Reachable(object));
    ClickOn(object);
    EXPECT_EQ(journal_.lines.back(), "Animation_Click(1)");
}

TEST_F(DesktopTest, ReachabilityNeedsTheControlAndItsWindowShownAndEnabled) {
    auto& object = main_.Animation(2);
    EXPECT_TRUE(runtime_.desktop.Reachable(object));
    const std::pair<const char*, std::function<void(bool)>> conditions[] = {
        {"the control enabled", [&](bool on) { object.SetEnabled(on); }},
        {"its container shown", [&](bool on) { main_.ScnImg.SetVisible(on); }},
        {"its window enabled", [&](bool on) { main_.SetEnabled(on); }},
        {"its window shown", [&](bool on) { on ? main_.Show() : main_.Hide(); }},
    };
    for (const auto& [what, set] : conditions) {
        SCOPED_TRACE(what);
        set(false);
        EXPECT_FALSE(runtime_.desktop.Reachable(object));
        set(true);
        EXPECT_TRUE(runtime_.desktop.Reachable(object));
    }
    TimerControl timer(main_, "BlockTimer");
    EXPECT_FALSE(runtime_.desktop.Reachable(timer));
}

// A modal window on the game's screen, or in a system window of its own (the parameter).
class ModalTest : public DesktopTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ModalTest, AModalLoopRunsInsideTheHandlerThatOpenedItAndEndsWhenItHides) {
    const bool own = GetParam();
    dialog_.SetOwnSystemWindow(own);
    main_.Command1.OnClick = [&] {
        journal_.Add("opening");
        dialog_.ShowModal();
        journal_.Add("closed");
    };
    bool asked_in_modal_loop = false;
    StepInput input({
        Act([&] { runtime_.desktop.PostClick(CentreOf(main_.Command1)); }),
        Act([&] {
            asked_in_modal_loop = runtime_.desktop.TopModal() == &dialog_;
            EXPECT_FALSE(runtime_.desktop.Reachable(main_.Command1));
            EXPECT_FALSE(runtime_.desktop.Reachable(main_.Animation(1)));
            EXPECT_TRUE(runtime_.desktop.Reachable(dialog_.ButtnYes));
            // Neither a click on the window behind the modal one nor, for a window of its own,
            // the game's getting the keyboard reaches the game.
            runtime_.desktop.PostClick(CentreOf(main_.Animation(1)));
            if (own) {
                runtime_.desktop.PostActivate(nullptr);
            }
        }),
        Act([&] {
            EXPECT_EQ(runtime_.desktop.ActiveWindow(), &dialog_);
            runtime_.desktop.PostClick(CentreOf(dialog_.ButtnYes), MouseButton::kLeft,
                                       own ? &dialog_ : nullptr);
        }),
        [&] {
            journal_.Add("main loop asks");
            return InputStep::Ended();
        },
    });
    runtime_.loop.SetInputSource(&input);
    runtime_.loop.RunMainLoop([] { return false; });
    EXPECT_TRUE(asked_in_modal_loop);
    EXPECT_EQ(journal_.lines,
              (std::vector<std::string>{"opening", "ButtnYes_Click", "closed", "main loop asks"}));
    EXPECT_EQ(runtime_.desktop.TopModal(), nullptr);
    EXPECT_EQ(runtime_.desktop.ActiveWindow(), &main_);
}

INSTANTIATE_TEST_SUITE_P(Windows, ModalTest, ::testing::Bool(), [](const auto& param) {
    return param.param ? "OfItsOwn" : "OnTheScreen";
});

TEST_F(DesktopTest, AModalWindowHiddenByATimerEndsItsLoopWithoutInput) {
    TimerControl close_timer(dialog_, "CloseTimer");
    testing::OneShot(close_timer, 700, [&] { dialog_.Hide(); });
    StepInput input({[&] { return InputStep::WaitUntil(runtime_.loop.Now() + 10'000); }});
    runtime_.loop.SetInputSource(&input);
    const TimeMs start = runtime_.loop.Now();
    dialog_.ShowModal();
    EXPECT_FALSE(dialog_.Visible());
    EXPECT_EQ(runtime_.loop.Now(), start + 700);
}

TEST_F(DesktopTest, TopmostWindowsStayAboveAndAModalWindowAboveItsOwner) {
    Window menu(runtime_.desktop, "MainMenu");
    menu.Move(0, 0, 800, 600);
    menu.Show();
    runtime_.desktop.SetTopmost(menu, true);
    main_.Show();
    EXPECT_EQ(HitAt({400, 300}), &menu) << "a topmost window stays above a window shown later";

    // Shown modally from the topmost window, the dialog comes above it.
    menu.OnClick = [&] { dialog_.ShowModal(); };
    bool dialog_on_top = false;
    StepInput input({
        Act([&] {
            runtime_.desktop.PostClick({5, 5});
        }),
        Act([&] {
            dialog_on_top = HitAt(CentreOf(dialog_.ButtnYes)) == &dialog_.ButtnYes;
            runtime_.desktop.PostClick(CentreOf(dialog_.ButtnYes));
        }),
    });
    runtime_.loop.SetInputSource(&input);
    runtime_.loop.RunMainLoop([] { return false; });
    EXPECT_TRUE(dialog_on_top);
    EXPECT_FALSE(dialog_.Visible());
}

TEST_F(DesktopTest, AClickIsMouseDownThenMouseUpThenClick) {
    auto& button = main_.Command1;
    button.OnMouseDown = [this](const MouseArgs&) { journal_.Add("down"); };
    button.OnMouseUp = [this](const MouseArgs&) { journal_.Add("up"); };
    ClickOn(button);
    EXPECT_EQ(journal_.lines, (std::vector<std::string>{"down", "up", "Command1_Click"}));
}

TEST_F(DesktopTest, ARightClickClicksPicturesButNotButtons) {
    ClickOn(main_.Command1, MouseButton::kRight);
    ClickOn(main_.Animation(1), MouseButton::kRight);
    EXPECT_EQ(journal_.lines, (std::vector<std::string>{"Animation_Click(1)"}));
}

TEST_F(DesktopTest, ReleasingElsewhereGivesTheMouseUpToThePressedControlButNoClick) {
    auto& button = main_.Command1;
    std::vector<Point> ups;
    button.OnMouseUp = [&](const MouseArgs& args) { ups.push_back({args.x, args.y}); };
    runtime_.desktop.PostMouseDown(CentreOf(button), MouseButton::kLeft);
    runtime_.loop.PumpEvents();
    EXPECT_TRUE(button.Pressed());
    const Rect bounds = runtime_.desktop.ScreenBounds(button);
    runtime_.desktop.PostMouseUp({bounds.left + bounds.width + 20, bounds.top}, MouseButton::kLeft);
    runtime_.loop.PumpEvents();
    EXPECT_FALSE(button.Pressed());
    EXPECT_EQ(ups, (std::vector<Point>{{bounds.width + 20, 0}}));
    EXPECT_TRUE(journal_.lines.empty());
}

TEST_F(DesktopTest, MouseMovesReachTheControlUnderThePointer) {
    std::vector<std::string> moves;
    main_.Animation(2).OnMouseMove = [&](const MouseArgs& args) {
        moves.push_back("Animation(2) " + std::to_string(args.x) + "," + std::to_string(args.y));
    };
    main_.OnMouseMove = [&](const MouseArgs&) { moves.push_back("Form"); };
    const Rect bounds = runtime_.desktop.ScreenBounds(main_.Animation(2));
    runtime_.desktop.PostMouseMove({bounds.left + 3, bounds.top + 4});
    runtime_.desktop.PostMouseMove({2, 2});
    runtime_.loop.PumpEvents();
    EXPECT_EQ(moves, (std::vector<std::string>{"Animation(2) 3,4", "Form"}));
    EXPECT_EQ(runtime_.desktop.PointerPosition(), (Point{2, 2}));
}

TEST_F(DesktopTest, TheScreenPointerOverridesThePointerOfTheControlBelowIt) {
    const PicturePtr hand = testing::MakeBlankPicture("hand.cur");
    const PicturePtr wait = testing::MakeBlankPicture("wait.cur");
    main_.ScnImg.SetMousePointer(ScreenPointer::kCustom);
    main_.ScnImg.SetMouseIcon(hand);
    runtime_.desktop.PostMouseMove(CentreOf(main_.Animation(1)));
    runtime_.loop.PumpEvents();
    EXPECT_EQ(runtime_.desktop.PointerToShow().picture, hand) << "taken from the container";
    runtime_.desktop.PostMouseMove(CentreOf(main_.Command1));
    runtime_.loop.PumpEvents();
    EXPECT_EQ(runtime_.desktop.PointerToShow().mode, ScreenPointer::kDefault);
    runtime_.desktop.Pointer().ShowPicture(wait);
    EXPECT_EQ(runtime_.desktop.PointerToShow().picture, wait);
    EXPECT_EQ(runtime_.desktop.PointerToShow().mode, ScreenPointer::kCustom);
}

TEST_F(DesktopTest, KeysGoToTheWindowFirstThenToTheFocusedControl) {
    TextBox text(main_, "Text1");
    text.Move(100, 540, 200, 20);
    std::vector<int> window_keys;
    main_.OnKeyPress = [&](int& key_ascii) {
        window_keys.push_back(key_ascii);
        if (key_ascii == '#') {
            key_ascii = 0;  // the window keeps this one from the text box
        }
    };
    runtime_.desktop.PostText(text, "a#b");
    runtime_.loop.PumpEvents();
    EXPECT_EQ(text.Text(), "ab");
    EXPECT_EQ(window_keys, (std::vector<int>{'a', '#', 'b'}));

    std::vector<int> downs;
    dialog_.OnKeyDown = [&](int& key_code, int) { downs.push_back(key_code); };
    dialog_.Show();
    runtime_.desktop.PostKey(key::kEscape, key::kEscape);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(downs, (std::vector<int>{key::kEscape}));
    EXPECT_EQ(text.Text(), "ab") << "keys go to the active window only";
}

TEST_F(DesktopTest, AWindowOfItsOwnIsReachedFromItsOwnSystemWindowAlone) {
    dialog_.SetOwnSystemWindow(true);
    dialog_.Show();
    const Point yes = CentreOf(dialog_.ButtnYes);
    EXPECT_EQ(HitAt(yes), &main_.ScnImg) << "the screen's hit test passes over it";
    EXPECT_EQ(runtime_.desktop.HitTest(yes, &dialog_).target, &dialog_.ButtnYes);
    EXPECT_EQ(runtime_.desktop.HitTest(CentreOf(main_.Command1), &dialog_).target, nullptr)
        << "nothing else lies in its system window";
    EXPECT_EQ(runtime_.desktop.SurfaceOf(dialog_.ButtnYes), &dialog_);
    EXPECT_EQ(runtime_.desktop.SurfaceOf(main_.Command1), nullptr);
    EXPECT_TRUE(runtime_.desktop.Reachable(dialog_.ButtnYes));

    runtime_.desktop.PostClick(yes);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(journal_.lines, (std::vector<std::string>{"ScnImg_Click"}));
    EXPECT_TRUE(dialog_.Visible());
    runtime_.desktop.PostClick(yes, MouseButton::kLeft, &dialog_);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(journal_.lines, (std::vector<std::string>{"ScnImg_Click", "ButtnYes_Click"}));
    EXPECT_FALSE(dialog_.Visible());
}

TEST_F(DesktopTest, KeysFollowTheSystemWindowThatHasTheKeyboard) {
    dialog_.SetOwnSystemWindow(true);
    std::vector<std::string> keys;
    main_.OnKeyDown = [&](int&, int) { keys.push_back("Main"); };
    dialog_.OnKeyDown = [&](int&, int) { keys.push_back("QuitGameQuery"); };
    dialog_.Show();
    main_.Show();
    runtime_.desktop.PostActivate(&dialog_);
    runtime_.desktop.PostKey(key::kEscape, 0);
    runtime_.desktop.PostActivate(nullptr);
    runtime_.desktop.PostKey(key::kEscape, 0);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(keys, (std::vector<std::string>{"QuitGameQuery", "Main"}));

    // A window that is not on the screen cannot take the keyboard.
    dialog_.Hide();
    runtime_.desktop.PostActivate(&dialog_);
    runtime_.loop.PumpEvents();
    EXPECT_EQ(runtime_.desktop.ActiveWindow(), &main_);
}

TEST_F(DesktopTest, HidingTheActiveWindowActivatesTheTopmostShownOne) {
    dialog_.Show();
    EXPECT_EQ(runtime_.desktop.ActiveWindow(), &dialog_);
    dialog_.Unload();
    EXPECT_FALSE(dialog_.IsLoaded());
    EXPECT_EQ(runtime_.desktop.ActiveWindow(), &main_);
    EXPECT_EQ(runtime_.desktop.FindWindow("QuitGameQuery"), &dialog_);
    EXPECT_EQ(runtime_.desktop.FindWindow("Nowhere"), nullptr);
}

}  // namespace
}  // namespace morvane
