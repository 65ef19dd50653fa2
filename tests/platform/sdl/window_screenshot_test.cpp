// Runs on a real X display (under xvfb-run): the game's main window, with a scene and an
// animated object read from a game folder, is photographed from outside with ImageMagick, as a
// player would see it, and the photograph is kept as a test artefact.

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "backend/sdl_backend.h"
#include "forms/forms.h"
#include "media/ffmpeg/ffmpeg_movies.h"
#include "media/ffmpeg_test_movie.h"
#include "platform/game_paths.h"
#include "platform/gif_writer.h"
#include "platform/picture_service.h"
#include "platform/picture_test_support.h"
#include "platform/sdl/sdl_fixture.h"
#include "platform/sdl/sdl_handles.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

constexpr uint32_t kSky = 0xFF2040C0u;
constexpr uint32_t kFloor = 0xFF806030u;
constexpr uint32_t kFirstFrame = 0xFFE02020u;
constexpr uint32_t kSecondFrame = 0xFF20C040u;

GifColor ToGif(uint32_t argb) {
    return {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
            static_cast<uint8_t>(argb)};
}

// A scene of sky over a floor, the floor starting at `floor_top`.
GifImage SceneGif(int floor_top) {
    GifImage gif =
        testing::ImageOf(Main::kSceneWidth, Main::kSceneHeight,
                         {testing::SolidFrame(0, 0, Main::kSceneWidth, Main::kSceneHeight, 1)});
    gif.global_palette = {ToGif(kSky), ToGif(kFloor)};
    std::fill_n(gif.frames[0].indices.begin(), floor_top * gif.width, 0);
    return gif;
}

// An object of two frames, each of one colour, 100 ms apiece, looping.
GifImage ObjectGif(int width, int height) {
    GifImage gif = testing::ImageOf(
        width, height,
        {testing::SolidFrame(0, 0, width, height, 0), testing::SolidFrame(0, 0, width, height, 1)});
    gif.global_palette = {ToGif(kFirstFrame), ToGif(kSecondFrame)};
    gif.repeat = 0;
    for (GifFrame& frame : gif.frames) {
        frame.disposal = 1;
        frame.delay_cs = 10;
    }
    return gif;
}

std::filesystem::path ArtefactPath(const std::string& name) {
    const char* build = std::getenv("MORVANE_BUILD_DIR");
    const std::filesystem::path folder =
        std::filesystem::path(build != nullptr ? build : ".") / "artefacts";
    std::filesystem::create_directories(folder);
    return folder / name;
}

class Screenshot {
  public:
    explicit Screenshot(const std::filesystem::path& file) {
        if (std::system(("import -window root '" + file.string() + "'").c_str()) != 0) {
            return;
        }
        const sdl::SurfaceHandle loaded(IMG_Load(file.string().c_str()));
        if (loaded) {
            surface_.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        }
    }

    bool Taken() const { return surface_ != nullptr; }
    uint32_t At(int x, int y) const {
        const auto* row = static_cast<const uint8_t*>(surface_->pixels) +
                          static_cast<std::ptrdiff_t>(y) * surface_->pitch;
        return reinterpret_cast<const uint32_t*>(row)[x];
    }

  private:
    sdl::SurfaceHandle surface_;
};

// The grey level at the centre of a movie's frame.
int CentreGrey(const MovieControl& movie) {
    const PicturePtr& frame = movie.Picture();
    std::vector<uint32_t> pixels(static_cast<std::size_t>(frame->Width()) * frame->Height());
    frame->CopyFrameArgb(0, pixels.data());
    return static_cast<int>(
        pixels[pixels.size() / 2 + static_cast<std::size_t>(frame->Width()) / 2] & 0xFF);
}

// The game's main window in a 1600 x 1200 system window, twice the canvas, on an X display,
// with a game folder holding its scene.
class MainWindowScreenTest : public ::testing::Test {
  protected:
    static constexpr int kFloorTop = 300;
    static constexpr Point kScene{Main::kSceneLeft, Main::kSceneTop};

    void SetUp() override {
        if (SDL_GetCurrentVideoDriver() == nullptr ||
            std::string(SDL_GetCurrentVideoDriver()) != "x11") {
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        }
        std::filesystem::create_directories(folder_.Path() / "resource" / "gfx");
        ASSERT_TRUE(
            WriteGif(folder_.Path() / "resource" / "gfx" / "scene.gif", SceneGif(kFloorTop)));
        runtime_.desktop.SetPictures(&pictures_);
        main_.Show();
        main_.ScnImg.SetPicture(
            pictures_.Load(paths_.GameFolder() + "resource\\gfx\\scene.gif").ValueOrRaise());
    }

    // Lets the window appear and settle, makes sure the last change is on screen, then
    // photographs the screen into the artefacts.
    std::unique_ptr<Screenshot> Photograph(const std::string& name) {
        runtime_.loop.PassTime(200);
        runtime_.window.Refresh();
        auto shot = std::make_unique<Screenshot>(ArtefactPath(name));
        SDL_GetWindowPosition(runtime_.window.NativeWindow(), &window_x_, &window_y_);
        return shot;
    }

    // The screen pixel that shows a canvas point.
    uint32_t ScreenAt(const Screenshot& shot, Point canvas) const {
        const Point p = runtime_.window.Layout().CanvasToWindow(canvas);
        return shot.At(window_x_ + p.x, window_y_ + p.y);
    }

    void Click(Point window_point) {
        testing::PushClick(window_point);
        runtime_.window.PollEvents();
        runtime_.loop.PumpEvents();
    }

    WindowRuntime runtime_{sdl::WindowOptions{.width = 1600, .height = 1200}, MakeFfmpegMovies};
    testing::TempFolder folder_;
    GamePaths paths_{folder_.Path()};
    PictureService pictures_{paths_};
    Forms forms_{runtime_.desktop};
    Main& main_ = forms_.Main;
    int window_x_ = 0;
    int window_y_ = 0;
};

TEST_F(MainWindowScreenTest, TheSceneAndAnAnimatedObjectShowAndAClickReachesTheObject) {
    ASSERT_TRUE(WriteGif(folder_.Path() / "resource" / "gfx" / "lamp.gif", ObjectGif(40, 30)));
    AnimatedPicture& object = main_.Animation(3);
    object.Load(paths_.GameFolder() + "resource\\gfx\\lamp.gif");
    bool read = false;
    object.OnReadFinished = [&read] { read = true; };
    ASSERT_TRUE(runtime_.loop.WaitUntil([&read] { return read; }, 2000));
    ASSERT_FALSE(object.LoadError().has_value());
    object.Move(300, 200, object.Width(), object.Height());
    object.SetVisible(true);
    int clicks = 0;
    object.OnClick = [&clicks] { ++clicks; };

    // The object plays on the loop's timers until its second frame is up, and stays there.
    object.Start();
    ASSERT_TRUE(runtime_.loop.WaitUntil([&object] { return object.ShownFrame() == 1; }, 2000));
    object.Stop();

    const auto shot = Photograph("window-screenshot-test.png");
    ASSERT_TRUE(shot->Taken()) << "import (ImageMagick) could not photograph the screen";
    const auto layout = runtime_.window.Layout();
    ASSERT_EQ(layout.Destination().width, 1600);
    const Point centre = runtime_.desktop.ScreenBounds(object).Centre();
    EXPECT_EQ(centre, (Point{kScene.x + 320, kScene.y + 215}));
    EXPECT_EQ(ScreenAt(*shot, centre), kSecondFrame);
    EXPECT_EQ(ScreenAt(*shot, {kScene.x + 300, kScene.y + 200}), kSecondFrame);
    EXPECT_EQ(ScreenAt(*shot, {kScene.x + 339, kScene.y + 229}), kSecondFrame);
    // Just outside the object the scene shows, sky above the floor line and floor below it.
    EXPECT_EQ(ScreenAt(*shot, {kScene.x + 299, kScene.y + 215}), kSky);
    EXPECT_EQ(ScreenAt(*shot, {kScene.x + 340, kScene.y + 215}), kSky);
    EXPECT_EQ(ScreenAt(*shot, {kScene.x + 320, kScene.y + kFloorTop}), kFloor);
    // Outside the scene view lies the window's background, not the scene.
    EXPECT_NE(ScreenAt(*shot, {kScene.x - 10, kScene.y + 215}), kSky);

    // The canvas is drawn twice its size, so the click lands well away from where the
    // object lies in canvas pixels.
    const Point at = layout.CanvasToWindow(centre);
    EXPECT_EQ(at, (Point{layout.Destination().left + 2 * centre.x + 1,
                         layout.Destination().top + 2 * centre.y + 1}));
    Click(at);
    EXPECT_EQ(clicks, 1);
    // A click on the scene beside the object is not the object's.
    Click(layout.CanvasToWindow({kScene.x + 200, kScene.y + 100}));
    EXPECT_EQ(clicks, 1);

    // On a real display a custom pointer becomes a colour cursor, made once for its picture.
    const PicturePtr hand = pictures_.BuiltIns().Defaults(PointerRole::kUp);
    runtime_.desktop.Pointer().AssignPicture(hand);
    runtime_.window.Refresh();
    runtime_.desktop.Pointer().AssignPicture(hand);
    runtime_.window.Refresh();
    EXPECT_EQ(runtime_.window.Cursors().CustomCursorsMade(), 1);
}

TEST_F(MainWindowScreenTest, AMoviePlaysInTheMovieWindowOverTheScene) {
    const auto engine = runtime_.backend->MakeMovieEngine(runtime_.loop, paths_);
    runtime_.desktop.SetMovieEngine(engine.get());
    testing::TestMovie movie_shape;
    movie_shape.video = testing::TestMovie::Video::kRaw;
    movie_shape.width = 160;
    movie_shape.height = 120;
    testing::WriteTestMovie(folder_.Path() / "resource" / "mmedia" / "intro.avi", movie_shape);
    MovieControl& movie = main_.MovieWindow;
    movie.SetFileName(paths_.GameFolder() + "resource\\mmedia\\intro.avi");
    movie.Move(100, 80, movie.MovieWidth(), movie.MovieHeight());
    movie.SetVisible(true);
    bool ended = false;
    movie.OnModeChangeEx = [&ended](int mode) { ended = mode == MovieControl::kModeStopped; };

    // Stopped a little way in, the movie shows a frame past its first.
    movie.SetCommand("play");
    ASSERT_TRUE(runtime_.loop.WaitUntil(
        [&movie] { return CentreGrey(movie) > testing::GreyOfFrame(2); }, 5000));
    movie.SetCommand("stop");
    const int grey = CentreGrey(movie);

    const auto shot = Photograph("window-movie-test.png");
    ASSERT_TRUE(shot->Taken());
    const uint32_t shown = 0xFF000000u | static_cast<uint32_t>(grey) * 0x010101u;
    const Rect bounds = runtime_.desktop.ScreenBounds(movie);
    EXPECT_EQ(bounds, (Rect{kScene.x + 100, kScene.y + 80, 160, 120}));
    EXPECT_EQ(ScreenAt(*shot, bounds.Centre()), shown);
    EXPECT_EQ(ScreenAt(*shot, {bounds.left, bounds.top}), shown);
    EXPECT_EQ(ScreenAt(*shot, {bounds.left + 159, bounds.top + 119}), shown);
    EXPECT_EQ(ScreenAt(*shot, {bounds.left - 1, bounds.top}), kSky);
    EXPECT_EQ(ScreenAt(*shot, {bounds.left + 160, bounds.top + 119}), kSky);

    // Played to its end it reports "stopped" and keeps its last frame on screen.
    ended = false;
    movie.SetCommand("play");
    ASSERT_TRUE(runtime_.loop.WaitUntil([&ended] { return ended; }, 5000));
    EXPECT_EQ(CentreGrey(movie), testing::GreyOfFrame(movie_shape.frames - 1));
    movie.SetCommand("close");
    runtime_.window.Refresh();
    EXPECT_EQ(runtime_.window.ReadCanvas()[static_cast<std::size_t>(bounds.Centre().y) *
                                               sdl::GameWindow::kCanvasWidth +
                                           static_cast<std::size_t>(bounds.Centre().x)],
              kSky);
}

}  // namespace
}  // namespace morvane
