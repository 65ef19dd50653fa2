#include <gtest/gtest.h>

#include "platform/control_button.h"
#include "platform/control_list_box.h"
#include "platform/control_text_box.h"
#include "platform/movie_control.h"
#include "sdl_fixture.h"

namespace morvane {
namespace {

using testing::kBlack;
using testing::kObjectGreen;
using testing::kObjectRed;
using testing::kSceneBlue;
using testing::SolidPicture;

// An object whose playback has reached a given frame, as the animated picture control reports.
class PlayingPicture : public Control {
  public:
    PlayingPicture(Control& parent, int frame)
        : Control(parent, ControlKind::kAnimatedPicture, "Animation", 2), frame_(frame) {}
    int ShownFrame() const override { return frame_; }

  private:
    int frame_;
};

using RenderTest = testing::SdlTest;

TEST_F(RenderTest, ScenePictureAndObjectAppearAtTheirScenePositions) {
    runtime_.window.Refresh();
    const Point object = CentreOf(main_.Animation);
    EXPECT_EQ(object, (Point{48 + 100 + 20, 56 + 50 + 15}));
    EXPECT_EQ(CanvasAt(object), kObjectRed);
    EXPECT_EQ(CanvasAt({48 + 100, 56 + 50}), kObjectRed);
    EXPECT_EQ(CanvasAt({48 + 139, 56 + 79}), kObjectRed);
    // Just beside the object lies the scene, and beside the scene view the bare window.
    EXPECT_EQ(CanvasAt({48 + 99, 56 + 50}), kSceneBlue);
    EXPECT_EQ(CanvasAt({48 + 140, 56 + 79}), kSceneBlue);
    EXPECT_EQ(CanvasAt({47, 300}), kBlack);
    EXPECT_EQ(CanvasAt({48, 56}), kSceneBlue);
    EXPECT_EQ(CanvasAt({400, 56 + 475}), kBlack);
}

TEST_F(RenderTest, ContainersClipTheirChildrenAndHiddenThingsAreNotDrawn) {
    // Half the object hangs out of the scene view's right edge.
    main_.Animation.Move(680, 200);
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({48 + 690, 56 + 210}), kObjectRed);
    EXPECT_EQ(CanvasAt({48 + 705, 56 + 210}), kBlack);

    main_.Animation.SetVisible(false);
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({48 + 690, 56 + 210}), kSceneBlue);

    main_.Hide();
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({300, 300}), kBlack);
}

TEST_F(RenderTest, TransparentPixelsShowWhatLiesBelow) {
    // Left half opaque green, right half fully transparent.
    std::vector<uint32_t> pixels(40 * 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 20; ++x) {
            pixels[static_cast<std::size_t>(y * 40 + x)] = kObjectGreen;
        }
    }
    main_.Animation.SetPicture(std::make_shared<const sdl::MemoryPicture>(
        40, 30, std::vector<std::vector<uint32_t>>{pixels}));
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({48 + 105, 56 + 60}), kObjectGreen);
    EXPECT_EQ(CanvasAt({48 + 130, 56 + 60}), kSceneBlue);
}

TEST_F(RenderTest, WindowsAreDrawnInStackingOrderAndAnimatedObjectsShowTheirFrame) {
    Window dialog(runtime_.desktop, "QuitGameQuery");
    dialog.Move(300, 250, 200, 100);
    Image face(dialog, "Face");
    face.Move(0, 0, 200, 100);
    face.SetStretch(true);
    face.SetPicture(SolidPicture(2, 2, kObjectGreen));
    dialog.Show();
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({400, 300}), kObjectGreen);
    EXPECT_EQ(CanvasAt({499, 349}), kObjectGreen);
    EXPECT_EQ(CanvasAt({500, 349}), kSceneBlue);

    main_.Show();
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({400, 300}), kSceneBlue);

    PlayingPicture playing(main_.ScnImg, 1);
    playing.Move(300, 300, 10, 10);
    playing.SetPicture(testing::FramesPicture(10, 10, {kObjectRed, kObjectGreen}));
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({48 + 305, 56 + 305}), kObjectGreen);
}

TEST_F(RenderTest, AMovieFillsItsWindowWhateverTheMoviesOwnSize) {
    MovieControl movie(main_.ScnImg, "MovieWindow");
    movie.Move(200, 100, 300, 150);
    movie.SetPicture(SolidPicture(2, 2, kObjectGreen));
    movie.SetVisible(true);
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({48 + 200, 56 + 100}), kObjectGreen);
    EXPECT_EQ(CanvasAt({48 + 499, 56 + 249}), kObjectGreen);
    EXPECT_EQ(CanvasAt({48 + 500, 56 + 249}), kSceneBlue);
    EXPECT_EQ(CanvasAt({48 + 350, 56 + 250}), kSceneBlue);
}

TEST_F(RenderTest, DrawsOnlyWhenSomethingChangedAndUploadsEachPictureOnce) {
    runtime_.window.Refresh();
    const auto draws = runtime_.window.CanvasDraws();
    const auto shown = runtime_.window.FramesShown();
    const auto uploads = runtime_.window.Renderer().Pictures().Uploads();
    EXPECT_FALSE(runtime_.window.Refresh());
    EXPECT_EQ(runtime_.window.CanvasDraws(), draws);
    EXPECT_EQ(runtime_.window.FramesShown(), shown);

    // Moving an object redraws where it was and where it is, and uploads nothing new.
    const Point was = CentreOf(main_.Animation);
    main_.Animation.Move(200, 100);
    EXPECT_TRUE(runtime_.window.Refresh());
    EXPECT_EQ(runtime_.window.CanvasDraws(), draws + 1);
    EXPECT_EQ(runtime_.window.Renderer().Pictures().Uploads(), uploads);
    EXPECT_EQ(runtime_.window.Renderer().LastDrawnArea(), 2 * 40 * 30);
    EXPECT_EQ(CanvasAt(was), kSceneBlue);
    EXPECT_EQ(CanvasAt(CentreOf(main_.Animation)), kObjectRed);

    // A change nobody can see shows no new frame.
    main_.Animation.SetMousePointer(99);
    EXPECT_FALSE(runtime_.window.Refresh());

    // A new picture is uploaded once, however often it is drawn.
    main_.Animation.SetPicture(SolidPicture(40, 30, kObjectGreen));
    runtime_.window.Refresh();
    main_.Animation.Move(210, 100);
    runtime_.window.Refresh();
    EXPECT_EQ(runtime_.window.Renderer().Pictures().Uploads(), uploads + 1);
    EXPECT_EQ(CanvasAt({48 + 215, 56 + 105}), kObjectGreen);
    // The old picture died with its last holder; its texture goes too.
    EXPECT_EQ(runtime_.window.Renderer().Pictures().Count(), 2u);
}

TEST_F(RenderTest, TheWindowShowsTheCanvasScaledAndLetterboxed) {
    runtime_.window.Resize(1000, 600);
    runtime_.window.SetScaling(sdl::Scaling::kSmooth);
    runtime_.window.Refresh();
    int width = 0;
    int height = 0;
    const auto pixels = runtime_.window.ReadWindow(width, height);
    ASSERT_EQ(width, 1000);
    ASSERT_EQ(height, 600);
    const auto at = [&](Point p) {
        return pixels[static_cast<std::size_t>(p.y) * static_cast<std::size_t>(width) + p.x];
    };
    const auto layout = runtime_.window.Layout();
    EXPECT_EQ(at(layout.CanvasToWindow(CentreOf(main_.Animation))), kObjectRed);
    EXPECT_EQ(at(layout.CanvasToWindow({48 + 10, 56 + 10})), kSceneBlue);
    EXPECT_EQ(at({50, 300}), kBlack);
    EXPECT_EQ(at({950, 300}), kBlack);
}

// Counts pixels of an area that differ from `background`.
int CountOtherPixels(const std::vector<uint32_t>& canvas, const Rect& area, uint32_t background) {
    int count = 0;
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            if (canvas[static_cast<std::size_t>(y) * sdl::GameWindow::kCanvasWidth + x] !=
                background) {
                ++count;
            }
        }
    }
    return count;
}

TEST_F(RenderTest, TextsAreDrawnInsideTheirControls) {
    Label label(main_.ScnImg, "ConvText", 1);
    label.Move(20, 400, 300, 40);
    label.SetCaption("Caf\xe9 au lait");
    TextBox text(main_, "Text1");
    text.Move(100, 540, 200, 22);
    Button button(main_, "Command1");
    button.Move(400, 540, 100, 30);
    button.SetCaption("Save");
    runtime_.window.Refresh();
    const auto canvas = runtime_.window.ReadCanvas();
    const Rect label_area = runtime_.desktop.ScreenBounds(label);
    EXPECT_GT(CountOtherPixels(canvas, label_area, kSceneBlue), 50);
    // Below the label's two lines the scene is untouched.
    EXPECT_EQ(CountOtherPixels(canvas, {label_area.left, label_area.top + 40, 300, 20}, kSceneBlue),
              0);

    // Typing shows in the text box; its inside is otherwise the white of a field.
    const Rect inside = runtime_.desktop.ScreenBounds(text);
    const Rect field{inside.left + 2, inside.top + 2, inside.width - 4, inside.height - 4};
    EXPECT_EQ(CountOtherPixels(canvas, field, 0xFFFFFFFFu), 0);
    text.SetText("Chapter one");
    runtime_.window.Refresh();
    EXPECT_GT(CountOtherPixels(runtime_.window.ReadCanvas(), field, 0xFFFFFFFFu), 50);

    // The pressed button looks different from the raised one.
    const Rect face = runtime_.desktop.ScreenBounds(button);
    const auto raised = runtime_.window.ReadCanvas();
    runtime_.desktop.PostMouseDown(face.Centre(), MouseButton::kLeft);
    runtime_.loop.PumpEvents();
    runtime_.window.Refresh();
    const auto pressed = runtime_.window.ReadCanvas();
    EXPECT_NE(raised[static_cast<std::size_t>(face.top) * 800 + face.left],
              pressed[static_cast<std::size_t>(face.top) * 800 + face.left]);
}

TEST_F(RenderTest, ACaptionedPanelFramesItsGroupAndAPlainOneDrawsNothing) {
    Panel plain(main_.ScnImg, "Block");
    plain.Move(20, 200, 200, 100);
    Panel group(main_.ScnImg, "Frame1");
    group.Move(300, 20, 200, 100);
    group.SetCaption("Query Flag");
    runtime_.window.Refresh();
    const auto canvas = runtime_.window.ReadCanvas();
    EXPECT_EQ(CountOtherPixels(canvas, runtime_.desktop.ScreenBounds(plain), kSceneBlue), 0);
    const Rect framed = runtime_.desktop.ScreenBounds(group);
    // The border runs down its left edge; the caption is written at its top left.
    EXPECT_EQ(CountOtherPixels(canvas, {framed.left, framed.top + 30, 1, 60}, 0xFF808080u), 0);
    EXPECT_GT(CountOtherPixels(canvas, {framed.left + 8, framed.top, 80, 14}, kSceneBlue), 50);
    // Inside it the scene shows through.
    EXPECT_EQ(CountOtherPixels(canvas, {framed.left + 10, framed.top + 30, 180, 60}, kSceneBlue),
              0);
}

TEST_F(RenderTest, ListsShowTheirSelectionAndScroll) {
    ListBox list(main_, "File1");
    list.Move(10, 10, 150, 4 * ListBox::kRowHeight);
    for (int i = 0; i < 10; ++i) {
        list.AddItem("Saved game " + std::to_string(i));
    }
    list.SetListIndex(1);
    runtime_.window.Refresh();
    const Rect area = runtime_.desktop.ScreenBounds(list);
    const Point second_row{area.left + 100, area.top + ListBox::kRowHeight + 2};
    EXPECT_EQ(CanvasAt(second_row), 0xFF000080u);
    list.SetTopIndex(1);
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({area.left + 100, area.top + 2}), 0xFF000080u);
    EXPECT_NE(CanvasAt(second_row), 0xFF000080u);
}

}  // namespace
}  // namespace morvane
