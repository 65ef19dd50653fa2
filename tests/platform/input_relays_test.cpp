#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/control_button.h"
#include "platform/control_text_box.h"
#include "platform/input_hand_over.h"
#include "platform/input_observer.h"
#include "platform/message_box_relay.h"
#include "runtime_fixture.h"

namespace morvane {
namespace {

using testing::Runtime;
using testing::StepInput;

class Panel1 : public Window {
  public:
    explicit Panel1(Desktop& desktop) : Window(desktop, "Panel1") {
        Move(0, 0, 400, 300);
        Go.Move(10, 10, 80, 30);
        Name.Move(10, 60, 120, 24);
    }
    Button Go{*this, "Go"};
    TextBox Name{*this, "Name"};
};

// Writes down every delivery, before and after, with what it reaches.
class Watcher final : public InputObserver {
  public:
    void BeforeDelivery(const InputDelivery& d) override { lines.push_back("+" + Describe(d)); }
    void AfterDelivery(const InputDelivery& d) override { lines.push_back("-" + Describe(d)); }
    std::vector<std::string> lines;

  private:
    static std::string Describe(const InputDelivery& d) {
        static const char* const kKinds[] = {"move", "down", "up", "keydown", "keyup", "press"};
        std::string text = kKinds[static_cast<int>(d.kind)];
        if (d.kind >= InputDelivery::Kind::kKeyDown) {
            text += " " + std::to_string(d.key) + " in " + (d.window ? d.window->Name() : "none");
        }
        return text + " to " + (d.target ? d.target->QualifiedName() : std::string("none"));
    }
};

TEST(InputObserver, HearsOfEveryDeliveryAroundItsHandlersWithWhatItReaches) {
    Runtime runtime;
    Panel1 panel(runtime.desktop);
    panel.Show();
    Watcher watcher;
    runtime.desktop.SetInputObserver(&watcher);
    // A click whose handler types and pumps: what its pump delivers (the move already pending,
    // then the key) nests inside the click.
    panel.Go.OnClick = [&] {
        panel.SetFocus(&panel.Name);
        runtime.desktop.PostKeyPress('a');
        runtime.loop.PumpEvents();
    };
    runtime.desktop.PostMouseMove({50, 25});
    runtime.desktop.PostClick({50, 25});
    runtime.desktop.PostMouseMove({500, 500});
    runtime.loop.PumpEvents();
    runtime.desktop.SetInputObserver(nullptr);
    runtime.desktop.PostClick({50, 25});
    runtime.loop.PumpEvents();
    EXPECT_EQ(watcher.lines, (std::vector<std::string>{
                                 "+move to Panel1.Go", "-move to Panel1.Go", "+down to Panel1.Go",
                                 "-down to Panel1.Go", "+up to Panel1.Go", "+move to none",
                                 "-move to none", "+press 97 in Panel1 to Panel1.Name",
                                 "-press 97 in Panel1 to Panel1.Name", "-up to Panel1.Go"}));
}

TEST(InputHandOver, TheSecondSourceTakesOverWhenTheFirstEndsUnlessItMayNot) {
    for (const bool may : {true, false}) {
        SCOPED_TRACE(may ? "may hand over" : "may not");
        Runtime runtime;
        int first_acts = 0;
        int second_acts = 0;
        StepInput first({[&] {
            ++first_acts;
            return InputStep::WaitUntil(100);
        }});
        StepInput second({[&] {
            ++second_acts;
            return InputStep::WaitUntil(300);
        }});
        int handed = 0;
        InputHandOver input(
            first, second, [may] { return may; }, [&handed] { ++handed; });
        runtime.loop.SetInputSource(&input);
        runtime.loop.RunMainLoop([] { return false; });
        EXPECT_EQ(first_acts, 1);
        EXPECT_EQ(second_acts, may ? 1 : 0);
        EXPECT_EQ(handed, may ? 1 : 0);
        EXPECT_EQ(input.HandedOver(), may);
        EXPECT_EQ(runtime.clock.Now(), may ? 300 : 100);
    }
}

TEST(MessageBoxRelay, EachBoxGoesToTheServiceChosenWhenItIsShown) {
    Runtime runtime;
    std::ostringstream other_out;
    HeadlessMessageBox other(other_out);
    runtime.message_box.QueueAnswer(MsgBoxResult::kYes);
    other.QueueAnswer(MsgBoxResult::kNo);
    MessageBoxRelay relay(runtime.message_box);
    std::vector<std::string> heard;
    relay.OnShown = [&heard] { heard.push_back("shown"); };
    relay.OnAnswered = [&heard](MsgBoxResult answer) {
        heard.push_back(answer == MsgBoxResult::kYes ? "yes" : "no");
    };
    const MessageBoxRequest ask{"T", "Sure?", MsgBoxButtons::kYesNo, MsgBoxIcon::kQuestion};
    EXPECT_EQ(relay.Show(ask), MsgBoxResult::kYes);
    relay.SetTarget(other);
    EXPECT_EQ(relay.Show(ask), MsgBoxResult::kNo);
    EXPECT_EQ(heard, (std::vector<std::string>{"shown", "yes", "shown", "no"}));
    EXPECT_EQ(runtime.out.str(), "msgbox: T | Sure?\n");
    EXPECT_EQ(other_out.str(), "msgbox: T | Sure?\n");
}

}  // namespace
}  // namespace morvane
