#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/control_list_box.h"
#include "platform/control_text_box.h"
#include "sdl_fixture.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::PushClick;
using testing::PushKey;
using testing::PushMove;
using testing::PushText;

class InputTest : public testing::SdlTest {
  protected:
    InputTest() {
        main_.Animation.OnClick = [this] { clicks_.push_back("Animation_Click(1)"); };
        main_.ScnImg.OnClick = [this] { clicks_.push_back("ScnImg_Click"); };
        main_.Animation.OnMouseMove = [this](const MouseArgs& args) {
            moves_.push_back({args.x, args.y});
        };
    }

    std::vector<std::string> clicks_;
    std::vector<Point> moves_;
};

TEST_F(InputTest, AClickAtAScaledWindowSizeReachesTheObjectUnderIt) {
    runtime_.window.Resize(1600, 1200);
    const auto layout = runtime_.window.Layout();
    ASSERT_EQ(layout.Destination(), (Rect{0, 0, 1600, 1200}));
    // The object's centre on the canvas is (168, 121); the window shows it twice as large.
    PushClick({2 * 168, 2 * 121});
    Deliver();
    EXPECT_EQ(clicks_, std::vector<std::string>{"Animation_Click(1)"});

    // Right beside the object, the click reaches the scene view.
    PushClick({2 * (48 + 99), 2 * 121}, SDL_BUTTON_RIGHT);
    Deliver();
    EXPECT_EQ(clicks_.back(), "ScnImg_Click");
}

TEST_F(InputTest, LetterboxedPointsMapBackAndTheLetterboxHitsNothing) {
    runtime_.window.Resize(1000, 600);
    runtime_.window.SetScaling(sdl::Scaling::kSmooth);
    PushMove({100 + 48 + 100 + 7, 56 + 50 + 9});
    Deliver();
    EXPECT_EQ(moves_, (std::vector<Point>{Point{7, 9}}));
    EXPECT_EQ(runtime_.desktop.PointerPosition(), (Point{48 + 100 + 7, 56 + 50 + 9}));

    main_.OnClick = [this] { clicks_.push_back("Form_Click"); };
    PushClick({40, 300});
    Deliver();
    EXPECT_TRUE(clicks_.empty());
    PushClick({120, 300});
    Deliver();
    EXPECT_EQ(clicks_, std::vector<std::string>{"Form_Click"});
}

TEST_F(InputTest, KeysAndTypedTextReachTheActiveWindow) {
    std::vector<int> keys;
    main_.OnKeyDown = [&keys](int& key_code, int shift) { keys.push_back(key_code * 10 + shift); };
    TextBox name(main_, "Text1");
    name.Move(10, 540, 200, 22);
    main_.SetFocus(&name);
    PushKey(SDLK_ESCAPE);
    PushKey(SDLK_F1);
    PushKey(SDLK_a, KMOD_LSHIFT);
    PushText("Caf\xc3\xa9\xe2\x82\xac\xe4\xb8\xad");  // "Café€中": the last has no byte
    Deliver();
    Deliver();
    EXPECT_EQ(keys, (std::vector<int>{key::kEscape * 10, key::kF1 * 10, 'A' * 10 + 1}));
    EXPECT_EQ(name.Text(), "Caf\xe9\x80");

    PushKey(SDLK_BACKSPACE);
    Deliver();
    Deliver();
    EXPECT_EQ(name.Text(), "Caf\xe9");
}

TEST_F(InputTest, ThePlayersOwnKeysActWithoutReachingTheGame) {
    std::vector<int> keys;
    main_.OnKeyDown = [&keys](int& key_code, int) { keys.push_back(key_code); };
    main_.OnKeyPress = [&keys](int& key_ascii) { keys.push_back(-key_ascii); };
    int mutes = 0;
    runtime_.window.OnMuteToggled = [&mutes] { ++mutes; };
    std::vector<std::string> notices;
    runtime_.window.OnNotice = [&notices](const std::string& line) { notices.push_back(line); };
    testing::TempFolder pictures;
    setenv("XDG_PICTURES_DIR", pictures.Path().c_str(), 1);
    runtime_.window.SetGameTitle("Lighthouse Keeper");

    for (const auto& [key, modifiers] :
         {std::pair{SDLK_RETURN, KMOD_LALT}, {SDLK_F11, KMOD_NONE}}) {
        const bool before = runtime_.window.FullScreen();
        PushKey(key, modifiers);
        Deliver();
        EXPECT_NE(runtime_.window.FullScreen(), before) << SDL_GetKeyName(key);
        PushKey(key, modifiers);
        Deliver();
        EXPECT_EQ(runtime_.window.FullScreen(), before) << SDL_GetKeyName(key);
    }

    PushKey(SDLK_m, KMOD_LCTRL);
    PushKey(SDLK_m, KMOD_RCTRL);
    Deliver();
    EXPECT_EQ(mutes, 2);

    PushKey(SDLK_F12);
    Deliver();
    ASSERT_EQ(notices.size(), 1U);
    std::vector<std::filesystem::path> shots;
    for (const auto& entry : std::filesystem::directory_iterator(pictures.Path())) {
        shots.push_back(entry.path());
    }
    ASSERT_EQ(shots.size(), 1U);
    EXPECT_EQ(notices[0], "screenshot saved: " + shots[0].string());
    EXPECT_EQ(shots[0].filename().string().rfind("Lighthouse_Keeper-", 0), 0U);
    unsetenv("XDG_PICTURES_DIR");

    EXPECT_FALSE(runtime_.loop.QuitRequested());
    PushKey(SDLK_q, KMOD_LCTRL);
    Deliver();
    EXPECT_TRUE(runtime_.loop.QuitRequested());
    EXPECT_TRUE(keys.empty());

    // Without its modifier each key is the game's again.
    PushKey(SDLK_RETURN);
    PushKey(SDLK_m);
    Deliver();
    EXPECT_EQ(keys, (std::vector<int>{key::kReturn, -key::kReturn, 'M'}));
}

TEST_F(InputTest, TheTitleBarFollowsTheGamesTitle) {
    SDL_Window* window = runtime_.window.NativeWindow();
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Morvane Player");
    std::string title = "Lighthouse Keeper";
    runtime_.window.TitleSource = [&title] { return title; };
    runtime_.window.Refresh();
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Lighthouse Keeper - Morvane Player");
    title = "Caf\xc3\xa9 Noir";
    main_.Animation.SetVisible(false);
    runtime_.window.Refresh();
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Caf\xc3\xa9 Noir - Morvane Player");
}

TEST_F(InputTest, TheWheelScrollsTheListUnderThePointer) {
    ListBox list(main_, "File1");
    list.Move(10, 10, 150, 4 * ListBox::kRowHeight);
    for (int i = 0; i < 10; ++i) {
        list.AddItem("Saved game " + std::to_string(i));
    }
    PushMove({50, 20});
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = -1;
    SDL_PushEvent(&wheel);
    SDL_PushEvent(&wheel);
    SDL_PushEvent(&wheel);
    Deliver();
    EXPECT_EQ(list.TopIndex(), list.ListCount() - list.VisibleRows());
    wheel.wheel.y = 1;
    SDL_PushEvent(&wheel);
    Deliver();
    EXPECT_EQ(list.TopIndex(), list.ListCount() - list.VisibleRows() - 3);
}

TEST_F(InputTest, ClosingTheWindowAsksTheGameOrEndsTheLoops) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    Deliver();
    EXPECT_TRUE(runtime_.loop.QuitRequested());
}

}  // namespace
}  // namespace morvane
