// Runs on a real X display (under xvfb-run): the game's main window, with a scene and an
// animated object read from a game folder, is photographed from outside with ImageMagick, as a
// player would see it, and the photograph is kept as a test artefact.

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "forms/forms.h"
#include "platform/game_paths.h"
#include "platform/gif_writer.h"
#include "platform/picture_service.h"
#include "platform/sdl/windowed_desktop.h"
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
    GifImage gif{Main::kSceneWidth, Main::kSceneHeight, {ToGif(kSky), ToGif(kFloor)}, 0, {}, {}};
    GifFrame frame{0, 0, gif.width, gif.height, {}, {}, 0, {}, 0, false};
    for (int y = 0; y < gif.height; ++y) {
        frame.indices.insert(frame.indices.end(), static_cast<std::size_t>(gif.width),
                             static_cast<uint8_t>(y < floor_top ? 0 : 1));
    }
    gif.frames.push_back(std::move(frame));
    return gif;
}

// An object of two frames, each of one colour, 100 ms apiece, looping.
GifImage ObjectGif(int width, int height) {
    GifImage gif{width, height, {ToGif(kFirstFrame), ToGif(kSecondFrame)}, 0, 0, {}};
    for (const uint8_t index : {uint8_t{0}, uint8_t{1}}) {
        gif.frames.push_back({0,
                              0,
                              width,
                              height,
                              std::vector<uint8_t>(static_cast<std::size_t>(width) * height, index),
                              {},
                              1,
                              {},
                              10,
                              false});
    }
    return gif;
}

std::filesystem::path ArtefactPath() {
    const char* build = std::getenv("MORVANE_BUILD_DIR");
    const std::filesystem::path folder =
        std::filesystem::path(build != nullptr ? build : ".") / "artefacts";
    std::filesystem::create_directories(folder);
    return folder / "window-screenshot-test.png";
}

// The screen photographed, as 0xAARRGGBB.
class Screenshot {
  public:
    explicit Screenshot(const std::filesystem::path& file) {
        if (std::system(("import -window root '" + file.string() + "'").c_str()) != 0) {
            return;
        }
        SDL_Surface* loaded = IMG_Load(file.string().c_str());
        if (loaded != nullptr) {
            surface_ = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
            SDL_FreeSurface(loaded);
        }
    }
    ~Screenshot() { SDL_FreeSurface(surface_); }
    Screenshot(const Screenshot&) = delete;
    Screenshot& operator=(const Screenshot&) = delete;

    bool Taken() const { return surface_ != nullptr; }
    uint32_t At(int x, int y) const {
        const auto* row = static_cast<const uint8_t*>(surface_->pixels) +
                          static_cast<std::ptrdiff_t>(y) * surface_->pitch;
        return reinterpret_cast<const uint32_t*>(row)[x];
    }

  private:
    SDL_Surface* surface_ = nullptr;
};

TEST(WindowScreenshotTest, TheMainWindowShowsTheSceneAndAClickReachesTheObject) {
    sdl::WindowOptions options;
    options.width = 1600;
    options.height = 1200;
    sdl::WindowedDesktop runtime(options);
    if (SDL_GetCurrentVideoDriver() == nullptr ||
        std::string(SDL_GetCurrentVideoDriver()) != "x11") {
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    }
    testing::TempFolder folder;
    const int floor_top = 300;
    std::filesystem::create_directories(folder.Path() / "resource" / "gfx");
    ASSERT_TRUE(WriteGif(folder.Path() / "resource" / "gfx" / "scene.gif", SceneGif(floor_top)));
    ASSERT_TRUE(WriteGif(folder.Path() / "resource" / "gfx" / "lamp.gif", ObjectGif(40, 30)));
    const GamePaths paths(folder.Path());
    PictureService pictures(paths);
    runtime.desktop.SetPictures(&pictures);

    Forms forms(runtime.desktop);
    Main& main = forms.Main;
    main.Show();
    main.ScnImg.SetPicture(
        pictures.Load(paths.GameFolder() + "resource\\gfx\\scene.gif").ValueOrRaise());
    AnimatedPicture& object = main.Animation(3);
    object.Load(paths.GameFolder() + "resource\\gfx\\lamp.gif");
    bool read = false;
    object.OnReadFinished = [&read] { read = true; };
    ASSERT_TRUE(runtime.loop.WaitUntil([&read] { return read; }, 2000));
    ASSERT_FALSE(object.LoadError().has_value());
    object.Move(300, 200, object.Width(), object.Height());
    object.SetVisible(true);
    int clicks = 0;
    object.OnClick = [&clicks] { ++clicks; };

    // The object plays on the loop's timers until its second frame is up, and stays there.
    object.Start();
    ASSERT_TRUE(runtime.loop.WaitUntil([&object] { return object.ShownFrame() == 1; }, 2000));
    object.Stop();
    // Let the window appear and settle, then make sure the last change is on screen.
    runtime.loop.PassTime(200);
    runtime.window.Refresh();

    const Screenshot shot(ArtefactPath());
    ASSERT_TRUE(shot.Taken()) << "import (ImageMagick) could not photograph the screen";
    int window_x = 0;
    int window_y = 0;
    SDL_GetWindowPosition(runtime.window.NativeWindow(), &window_x, &window_y);
    const auto layout = runtime.window.Layout();
    ASSERT_EQ(layout.Destination().width, 1600);
    const auto screen_at = [&](Point canvas) {
        const Point p = layout.CanvasToWindow(canvas);
        return shot.At(window_x + p.x, window_y + p.y);
    };
    const Point scene{Main::kSceneLeft, Main::kSceneTop};
    const Point centre = runtime.desktop.ScreenBounds(object).Centre();
    EXPECT_EQ(centre, (Point{scene.x + 320, scene.y + 215}));
    EXPECT_EQ(screen_at(centre), kSecondFrame);
    EXPECT_EQ(screen_at({scene.x + 300, scene.y + 200}), kSecondFrame);
    EXPECT_EQ(screen_at({scene.x + 339, scene.y + 229}), kSecondFrame);
    // Just outside the object the scene shows, sky above the floor line and floor below it.
    EXPECT_EQ(screen_at({scene.x + 299, scene.y + 215}), kSky);
    EXPECT_EQ(screen_at({scene.x + 340, scene.y + 215}), kSky);
    EXPECT_EQ(screen_at({scene.x + 320, scene.y + floor_top}), kFloor);
    // Outside the scene view lies the window's background, not the scene.
    EXPECT_NE(screen_at({scene.x - 10, scene.y + 215}), kSky);

    const Point at = layout.CanvasToWindow(centre);
    // The canvas is drawn twice its size, so the click lands well away from where the
    // object lies in canvas pixels.
    EXPECT_EQ(at, (Point{layout.Destination().left + 2 * centre.x + 1,
                         layout.Destination().top + 2 * centre.y + 1}));
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{};
        event.type = type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = at.x;
        event.button.y = at.y;
        SDL_PushEvent(&event);
    }
    runtime.window.PollEvents();
    runtime.loop.PumpEvents();
    EXPECT_EQ(clicks, 1);
    // A click on the scene beside the object is not the object's.
    const Point beside = layout.CanvasToWindow({scene.x + 200, scene.y + 100});
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{};
        event.type = type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = beside.x;
        event.button.y = beside.y;
        SDL_PushEvent(&event);
    }
    runtime.window.PollEvents();
    runtime.loop.PumpEvents();
    EXPECT_EQ(clicks, 1);

    // On a real display a custom pointer becomes a colour cursor, made once for its picture.
    const PicturePtr hand = pictures.BuiltIns().Defaults(PointerRole::kUp);
    runtime.desktop.Pointer().AssignPicture(hand);
    runtime.window.Refresh();
    runtime.desktop.Pointer().AssignPicture(hand);
    runtime.window.Refresh();
    EXPECT_EQ(runtime.window.Cursors().CustomCursorsMade(), 1);
}

}  // namespace
}  // namespace morvane
