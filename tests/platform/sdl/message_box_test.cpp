#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "platform/control_button.h"
#include "platform/timer.h"
#include "sdl_fixture.h"

namespace morvane {
namespace {

using testing::ScriptedUser;

class MessageBoxTest : public testing::SdlTest {
  protected:
    Window* Box() const { return runtime_.desktop.TopModal(); }

    // The button of the open box with this caption.
    const Control* ButtonOf(const std::string& caption) const {
        for (const Control* child : Box()->Children()) {
            if (child->Kind() == ControlKind::kButton && child->Caption() == caption) {
                return child;
            }
        }
        return nullptr;
    }

    void ClickOn(const Control& control) {
        testing::PushClick(runtime_.window.Layout().CanvasToWindow(CentreOf(control)));
    }

    MsgBoxResult Ask(MsgBoxButtons buttons, std::function<void()> act) {
        ScriptedUser user(runtime_.window, std::move(act));
        runtime_.loop.SetInputSource(&user);
        const MsgBoxResult answer =
            runtime_.desktop.ShowMessageBox({"Morvane", "Really quit?", buttons});
        runtime_.loop.SetInputSource(&runtime_.window);
        return answer;
    }
};

TEST_F(MessageBoxTest, TheBoxIsDrawnInTheCanvasAndAnsweredByAClick) {
    runtime_.window.Resize(1600, 1200);
    bool drawn = false;
    const auto answer = Ask(MsgBoxButtons::kYesNo, [&] {
        ASSERT_NE(Box(), nullptr);
        const Rect box = Box()->Bounds();
        // Centred on the canvas, over the scene, with its title and text.
        EXPECT_LE(std::abs((800 - box.width) - 2 * box.left), 1);
        drawn = CanvasAt({box.left, box.top}) != CanvasAt({box.left - 1, box.top});
        ASSERT_NE(ButtonOf("Yes"), nullptr);
        ClickOn(*ButtonOf("No"));
    });
    EXPECT_TRUE(drawn);
    EXPECT_EQ(answer, MsgBoxResult::kNo);
    // The box is gone and the game's window has the keys again.
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(runtime_.desktop.ActiveWindow(), &main_);
    runtime_.window.Refresh();
    EXPECT_EQ(CanvasAt({400, 300}), testing::kSceneBlue);
}

TEST_F(MessageBoxTest, EnterAndEscapeAnswerAsTheClassicBoxDoes) {
    EXPECT_EQ(Ask(MsgBoxButtons::kYesNo, [&] { testing::PushKey(SDLK_RETURN); }),
              MsgBoxResult::kYes);
    EXPECT_EQ(Ask(MsgBoxButtons::kYesNoCancel, [&] { testing::PushKey(SDLK_ESCAPE); }),
              MsgBoxResult::kCancel);
    EXPECT_EQ(Ask(MsgBoxButtons::kOkOnly, [&] { testing::PushKey(SDLK_ESCAPE); }),
              MsgBoxResult::kOk);
    // Escape means nothing to a Yes/No box; the click that follows answers it.
    EXPECT_EQ(Ask(MsgBoxButtons::kYesNo,
                  [&] {
                      testing::PushKey(SDLK_ESCAPE);
                      ClickOn(*ButtonOf("Yes"));
                  }),
              MsgBoxResult::kYes);
}

TEST_F(MessageBoxTest, TimersRunWhileTheBoxIsOpen) {
    Timer timer(runtime_.loop);
    int ticks = 0;
    timer.OnTimer = [&] {
        if (++ticks == 2) {
            ClickOn(*ButtonOf("OK"));
        }
    };
    timer.SetInterval(5);
    EXPECT_EQ(Ask(MsgBoxButtons::kOkOnly, [] {}), MsgBoxResult::kOk);
    EXPECT_GE(ticks, 2);
}

}  // namespace
}  // namespace morvane
