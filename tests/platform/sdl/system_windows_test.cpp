#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/control_button.h"
#include "platform/timer.h"
#include "sdl_fixture.h"

namespace morvane {
namespace {

constexpr uint32_t kButtonFace = 0xFFC0C0C0u;

// A small author's window over the scene view, with one button.
class ToolWindow : public Window {
  public:
    explicit ToolWindow(Desktop& desktop) : Window(desktop, "NoWin") {
        Move(200, 150, 300, 120);
        SetCaption("Notify Window (Debug)");
        Command.Move(20, 30, 120, 40);
        Command.SetCaption("Copy");
    }
    Button Command{*this, "cc"};
};

Uint32 IdOf(SDL_Window* window) {
    return window != nullptr ? SDL_GetWindowID(window) : 0;
}

void PushWindowEvent(Uint32 id, SDL_WindowEventID what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = id;
    event.window.event = static_cast<Uint8>(what);
    SDL_PushEvent(&event);
}

using testing::ScriptedUser;

class SystemWindowsTest : public testing::SdlTest {
  protected:
    SystemWindowsTest() {
        main_.ScnImg.OnClick = [this] { clicks_.push_back("ScnImg_Click"); };
        tool_.Command.OnClick = [this] { clicks_.push_back("cc_Click"); };
        tool_.SetOwnSystemWindow(true);
        runtime_.window.SetMainWindow(&main_);
    }

    void OpenTool() {
        tool_.ShowOwned(main_);
        runtime_.window.Refresh();
    }

    sdl::SystemWindows& Own() { return runtime_.window.OwnWindows(); }
    SDL_Window* ToolNative() { return Own().NativeWindowOf(tool_); }

    void Deliver() {
        SdlTest::Deliver();
        runtime_.window.Refresh();
    }

    uint32_t ToolPixel(Point at) {
        int width = 0;
        int height = 0;
        const auto pixels = Own().ReadWindow(tool_, width, height);
        return pixels.at(static_cast<std::size_t>(at.y) * width + at.x);
    }

    ToolWindow tool_{runtime_.desktop};
    std::vector<std::string> clicks_;
};

TEST_F(SystemWindowsTest, AWindowOfItsOwnOpensSizedAndTitledAndLeavesTheCanvas) {
    OpenTool();
    SDL_Window* native = ToolNative();
    ASSERT_NE(native, nullptr);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(native, &width, &height);
    EXPECT_EQ((Point{width, height}), (Point{300, 120}));
    EXPECT_EQ(std::string(SDL_GetWindowTitle(native)), "Notify Window (Debug)");
    EXPECT_EQ(SDL_GetWindowFlags(native) & SDL_WINDOW_HIDDEN, 0u);

    // Its button is drawn in its own window, at the button's place in it...
    EXPECT_EQ(ToolPixel({80, 50}), kButtonFace);
    // ...and the game canvas shows the scene where the window lies in the model.
    EXPECT_EQ(CanvasAt({200 + 80, 150 + 50}), testing::kSceneBlue);

    // The model's size and caption are followed.
    tool_.Move(200, 150, 300, 45);
    tool_.SetCaption("Notify");
    runtime_.window.Refresh();
    SDL_GetWindowSize(native, &width, &height);
    EXPECT_EQ((Point{width, height}), (Point{300, 45}));
    EXPECT_EQ(std::string(SDL_GetWindowTitle(native)), "Notify");
}

TEST_F(SystemWindowsTest, ItsInputReachesOnlyItsWindowInTheWindowsCoordinates) {
    OpenTool();
    const Uint32 id = IdOf(ToolNative());
    ASSERT_NE(id, 0u);

    testing::PushClick({80, 50}, SDL_BUTTON_LEFT, id);
    Deliver();
    EXPECT_EQ(clicks_, std::vector<std::string>{"cc_Click"});

    // The same point of the model's screen on the game window reaches the scene below.
    clicks_.clear();
    testing::PushClick(runtime_.window.Layout().CanvasToWindow({200 + 80, 150 + 50}));
    Deliver();
    EXPECT_EQ(clicks_, std::vector<std::string>{"ScnImg_Click"});

    // Outside the button, in its own window: the window itself, never the scene.
    clicks_.clear();
    testing::PushClick({250, 100}, SDL_BUTTON_LEFT, id);
    Deliver();
    EXPECT_TRUE(clicks_.empty());
    EXPECT_TRUE(runtime_.desktop.Reachable(tool_.Command));
}

TEST_F(SystemWindowsTest, KeyboardFocusActivatesTheWindowItComesTo) {
    OpenTool();
    main_.Show();
    ASSERT_EQ(runtime_.desktop.ActiveWindow(), &main_);
    PushWindowEvent(IdOf(ToolNative()), SDL_WINDOWEVENT_FOCUS_GAINED);
    Deliver();
    EXPECT_EQ(runtime_.desktop.ActiveWindow(), &tool_);
    PushWindowEvent(0, SDL_WINDOWEVENT_FOCUS_GAINED);
    Deliver();
    EXPECT_EQ(runtime_.desktop.ActiveWindow(), &main_);
}

TEST_F(SystemWindowsTest, ItGoesWithItsWindowAndWithItsOwnersMinimising) {
    OpenTool();
    SDL_Window* native = ToolNative();
    ASSERT_NE(native, nullptr);

    tool_.Hide();
    runtime_.window.Refresh();
    EXPECT_EQ(ToolNative(), nullptr);
    EXPECT_NE(SDL_GetWindowFlags(native) & SDL_WINDOW_HIDDEN, 0u);

    OpenTool();
    EXPECT_EQ(ToolNative(), native) << "shown again in the same system window";

    main_.SetMinimized(true);
    runtime_.window.Refresh();
    EXPECT_EQ(ToolNative(), nullptr) << "an owned window goes while its owner is minimised";
    main_.SetMinimized(false);
    runtime_.window.Refresh();
    EXPECT_EQ(ToolNative(), native);
}

TEST_F(SystemWindowsTest, ItsCloseButtonHidesTheWindowOrAsksItsHandler) {
    OpenTool();
    const Uint32 id = IdOf(ToolNative());
    PushWindowEvent(id, SDL_WINDOWEVENT_CLOSE);
    Deliver();
    EXPECT_FALSE(tool_.Visible());
    EXPECT_TRUE(main_.Visible()) << "the game goes on";

    int asked = 0;
    tool_.OnSystemClose = [&] {
        ++asked;
        tool_.Hide();
    };
    OpenTool();
    PushWindowEvent(id, SDL_WINDOWEVENT_CLOSE);
    Deliver();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(tool_.Visible());
}

TEST_F(SystemWindowsTest, ClosingTheGameWindowEndsTheGameWhileAWindowBesideItIsOpen) {
    int asked = 0;
    runtime_.window.OnCloseRequested = [&] { ++asked; };
    OpenTool();
    PushWindowEvent(IdOf(runtime_.window.NativeWindow()), SDL_WINDOWEVENT_CLOSE);
    Deliver();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(tool_.Visible()) << "closing the game is not closing the window beside it";
}

TEST_F(SystemWindowsTest, WhileItIsModalTheGameTakesNoClicksAndClosingItEndsItsLoop) {
    // The user acts once the modal loop waits: a click on the game, one on the window's
    // button, then its close button.
    ScriptedUser user(runtime_.window, [this] {
        const Uint32 id = IdOf(ToolNative());
        testing::PushClick(runtime_.window.Layout().CanvasToWindow({100, 300}));
        testing::PushClick({80, 50}, SDL_BUTTON_LEFT, id);
        PushWindowEvent(id, SDL_WINDOWEVENT_CLOSE);
    });
    // Should the loop not end, the test ends it rather than waiting for ever.
    Timer guard(runtime_.loop);
    guard.SetInterval(10'000);
    guard.OnTimer = [this] {
        clicks_.push_back("gave up");
        tool_.Hide();
    };
    guard.SetEnabled(true);

    runtime_.loop.SetInputSource(&user);
    tool_.ShowModal();
    runtime_.loop.SetInputSource(&runtime_.window);
    EXPECT_EQ(clicks_, std::vector<std::string>{"cc_Click"});
    EXPECT_FALSE(tool_.Visible());
}

}  // namespace
}  // namespace morvane
