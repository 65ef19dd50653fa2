// Runs on a real X display (under xvfb-run): the window is photographed from outside with
// ImageMagick, as a player would see it, and the photograph is kept as a test artefact.

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "sdl_fixture.h"

namespace morvane {
namespace {

using testing::kBlack;
using testing::kObjectGreen;
using testing::kSceneBlue;

// An animated object whose playback shows its second frame.
class PlayingPicture : public Control {
  public:
    explicit PlayingPicture(Control& parent)
        : Control(parent, ControlKind::kAnimatedPicture, "Animation", 2) {}
    int ShownFrame() const override { return 1; }
};

std::filesystem::path ArtefactPath() {
    const char* build = std::getenv("MORVANE_BUILD_DIR");
    const std::filesystem::path folder =
        std::filesystem::path(build != nullptr ? build : ".") / "artefacts";
    std::filesystem::create_directories(folder);
    return folder / "window-screenshot-test.png";
}

TEST(WindowScreenshotTest, TheScreenShowsTheSceneAndAClickReachesTheObject) {
    sdl::WindowOptions options;
    options.width = 1600;
    options.height = 1200;
    sdl::WindowedDesktop runtime(options);
    if (SDL_GetCurrentVideoDriver() == nullptr ||
        std::string(SDL_GetCurrentVideoDriver()) != "x11") {
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    }
    testing::SceneWindow main(runtime.desktop);
    PlayingPicture object(main.ScnImg);
    object.Move(300, 200, 40, 30);
    object.SetPicture(testing::FramesPicture(40, 30, {testing::kObjectRed, kObjectGreen}));
    int clicks = 0;
    object.OnClick = [&clicks] { ++clicks; };
    main.Show();

    // Let the window appear, then show the frame.
    for (int i = 0; i < 10; ++i) {
        runtime.window.Block(20);
    }
    runtime.window.Refresh();
    const auto path = ArtefactPath();
    ASSERT_EQ(std::system(("import -window root '" + path.string() + "'").c_str()), 0);
    SDL_Surface* loaded = IMG_Load(path.string().c_str());
    ASSERT_NE(loaded, nullptr) << IMG_GetError();
    SDL_Surface* shot = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    ASSERT_NE(shot, nullptr);

    int window_x = 0;
    int window_y = 0;
    SDL_GetWindowPosition(runtime.window.NativeWindow(), &window_x, &window_y);
    const auto layout = runtime.window.Layout();
    ASSERT_EQ(layout.Destination().width, 1600);
    const auto screen_at = [&](Point canvas) {
        const Point p = layout.CanvasToWindow(canvas);
        const auto* row = static_cast<const uint8_t*>(shot->pixels) +
                          static_cast<std::ptrdiff_t>(window_y + p.y) * shot->pitch;
        return reinterpret_cast<const uint32_t*>(row)[window_x + p.x];
    };
    const Point centre = runtime.desktop.ScreenBounds(object).Centre();
    EXPECT_EQ(centre, (Point{48 + 320, 56 + 215}));
    EXPECT_EQ(screen_at(centre), kObjectGreen);
    EXPECT_EQ(screen_at({48 + 299, 56 + 215}), kSceneBlue);
    EXPECT_EQ(screen_at({20, 300}), kBlack);
    SDL_FreeSurface(shot);

    const Point at = layout.CanvasToWindow(centre);
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

    // On a real display a custom pointer becomes a colour cursor, made once for its picture.
    const PicturePtr hand = testing::SolidPicture(16, 16, 0xFFFFFFFFu);
    runtime.desktop.Pointer().AssignPicture(hand);
    runtime.window.Refresh();
    runtime.desktop.Pointer().AssignPicture(hand);
    runtime.window.Refresh();
    EXPECT_EQ(runtime.window.Cursors().CustomCursorsMade(), 1);
}

}  // namespace
}  // namespace morvane
