#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fake_picture.h"
#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/control_list_box.h"
#include "platform/control_text_box.h"
#include "platform/window.h"
#include "runtime_fixture.h"

namespace morvane {
namespace {

// The window draws again only when the desktop's revision moves, so every change that shows
// must move it, and merely looking at the model must not.
class RevisionTest : public ::testing::Test {
  protected:
    RevisionTest() {
        window_.Move(0, 0, 400, 300);
        picture_.Move(10, 10, 50, 50);
        button_.Move(100, 10, 80, 30);
        list_.Move(10, 100, 120, 64);
        for (const char* item : {"one", "two", "three", "four", "five", "six"}) {
            list_.AddItem(item);
        }
        window_.Show();
        other_.Move(50, 50, 100, 100);
        other_.Show();
    }

    bool Moves(const std::function<void()>& change) {
        const uint64_t before = runtime_.desktop.Revision();
        change();
        return runtime_.desktop.Revision() != before;
    }

    testing::Runtime runtime_;
    Window window_{runtime_.desktop, "Main"};
    PictureBox picture_{window_, "Animation", 1};
    Image image_{window_, "Backdrop"};
    Label label_{window_, "Status"};
    Button button_{window_, "Command1"};
    CheckBox check_{window_, "Check1"};
    TextBox text_{window_, "Text1"};
    ListBox list_{window_, "List1"};
    Window other_{runtime_.desktop, "MapWindow"};
};

TEST_F(RevisionTest, EveryPropertyThatShowsMovesTheRevision) {
    const std::vector<std::pair<std::string, std::function<void()>>> changes = {
        {"visible", [&] { picture_.SetVisible(false); }},
        {"enabled", [&] { button_.SetEnabled(false); }},
        {"move", [&] { picture_.Move(20, 20); }},
        {"size", [&] { picture_.SetWidth(70); }},
        {"z-order", [&] { picture_.ZOrder(Control::ZPosition::kBack); }},
        {"caption", [&] { label_.SetCaption("Hello"); }},
        {"picture", [&] { picture_.SetPicture(testing::MakeBlankPicture("a.gif")); }},
        {"pointer", [&] { picture_.SetMousePointer(99); }},
        {"pointer icon", [&] { picture_.SetMouseIcon(testing::MakeBlankPicture("p.cur")); }},
        {"stretch", [&] { image_.SetStretch(true); }},
        {"alignment", [&] { label_.SetAlignment(TextAlignment::kCentre); }},
        {"button look", [&] { button_.SetLookStyle(Button::Style::kGraphical); }},
        {"down picture", [&] { button_.SetDownPicture(testing::MakeBlankPicture("d.gif")); }},
        {"check value", [&] { check_.SetValue(CheckBox::kChecked); }},
        {"text", [&] { text_.SetText("Saved game"); }},
        {"caret", [&] { text_.SetSelStart(2); }},
        {"list add", [&] { list_.AddItem("seven"); }},
        {"list remove", [&] { list_.RemoveItem(0); }},
        {"list select", [&] { list_.SetListIndex(1); }},
        {"list scroll", [&] { list_.SetTopIndex(2); }},
        {"list clear", [&] { list_.Clear(); }},
        {"focus", [&] { window_.SetFocus(&text_); }},
        {"window to front", [&] { window_.Show(); }},
        {"window hidden", [&] { other_.Hide(); }},
        {"topmost", [&] { runtime_.desktop.SetTopmost(other_, true); }},
    };
    for (const auto& [what, change] : changes) {
        EXPECT_TRUE(Moves(change)) << what;
    }
}

TEST_F(RevisionTest, InputThatChangesALookMovesTheRevision) {
    const Rect bounds = runtime_.desktop.ScreenBounds(button_);
    runtime_.desktop.PostMouseDown(bounds.Centre(), MouseButton::kLeft);
    EXPECT_TRUE(Moves([&] { runtime_.loop.PumpEvents(); }));
    EXPECT_TRUE(button_.Pressed());
    runtime_.desktop.PostMouseUp(bounds.Centre(), MouseButton::kLeft);
    EXPECT_TRUE(Moves([&] { runtime_.loop.PumpEvents(); }));

    window_.SetFocus(&text_);
    runtime_.desktop.PostKeyPress('x');
    EXPECT_TRUE(Moves([&] { runtime_.loop.PumpEvents(); }));
    EXPECT_EQ(text_.Text(), "x");
}

TEST_F(RevisionTest, LookingAtTheModelLeavesTheRevision) {
    EXPECT_FALSE(Moves([&] {
        (void)runtime_.desktop.HitTest({30, 30});
        (void)runtime_.desktop.Reachable(button_);
        (void)runtime_.desktop.PointerToShow();
        (void)list_.Text();
        (void)picture_.ShownFrame();
        runtime_.loop.PumpEvents();
    }));
    // A pointer moving over controls that do not react changes nothing on screen.
    runtime_.desktop.PostMouseMove({300, 250});
    EXPECT_FALSE(Moves([&] { runtime_.loop.PumpEvents(); }));
}

}  // namespace
}  // namespace morvane
