#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../platform/fake_picture.h"
#include "debug/script_output.h"
#include "script_fixture.h"

namespace morvane {
namespace {

using testing::ScriptRun;
using Lines = std::vector<std::string>;

TEST(ScriptClick, ReachesAShownControlAsDownUpAndClick) {
    ScriptRun run;
    Lines events;
    run.main.Command1.OnMouseDown = [&](const MouseArgs& args) {
        events.push_back("down " + std::to_string(args.button));
    };
    run.main.Command1.OnMouseUp = [&](const MouseArgs&) { events.push_back("up"); };
    run.main.Command1.OnClick = [&] { events.push_back("click"); };
    run.main.Animation(2).OnClick = [&] { events.push_back("object 2"); };
    run.main.Animation(2).OnMouseDown = [&](const MouseArgs& args) {
        events.push_back("object down " + std::to_string(args.button));
    };

    // Control names ignore case.
    EXPECT_EQ(run.Play("click Main.Command1\nclick Main.Animation(2) right\n"
                       "click main.animation(2)\n"),
              0);
    EXPECT_EQ(events, (Lines{"down 1", "up", "click", "object down 2", "object 2", "object down 1",
                             "object 2"}));
    EXPECT_TRUE(run.Lines().empty());
}

TEST(ScriptClick, ControlUnderTheBlockPanelIsNotReached) {
    ScriptRun run;
    int clicks = 0;
    run.main.Animation(1).OnClick = [&] { ++clicks; };
    run.main.Command1.OnClick = [&] { run.main.Block.SetVisible(true); };

    EXPECT_EQ(run.Play("click Main.Animation(1)\n"
                       "click Main.Command1\n"
                       "click Main.Animation(1)\n"
                       "hover Main.Animation(1)\n"),
              0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(run.Lines(),
              (Lines{"note: Main.Animation(1) not reachable (covered by Main.Block)",
                     "note: Main.Animation(1) not reachable (covered by Main.Block)"}));
}

TEST(ScriptClick, ModalWindowTakesTheNextCommandsAndKeepsOthersOut) {
    ScriptRun run;
    Lines events;
    run.main.Command1.OnClick = [&] {
        events.push_back("query opens");
        run.query.ShowModal();
        events.push_back("query closed");
    };
    run.main.Animation(1).OnClick = [&] { events.push_back("object"); };

    EXPECT_EQ(run.Play("click Main.Command1\n"
                       "click Main.Animation(1)\n"
                       "expect visible QuitGameQuery\n"
                       "click QuitGameQuery.ButtnYes\n"
                       "click Main.Animation(1)\n"),
              0);
    EXPECT_EQ(events, (Lines{"query opens", "query closed", "object"}));
    EXPECT_EQ(run.Lines(),
              (Lines{"note: Main.Animation(1) not reachable (window QuitGameQuery is modal)"}));
}

TEST(ScriptInput, KeysGoToTheActiveWindow) {
    ScriptRun run;
    Lines keys;
    run.main.OnKeyDown = [&](int& code, int) { keys.push_back("down " + std::to_string(code)); };
    run.main.OnKeyPress = [&](int& ascii) { keys.push_back("press " + std::to_string(ascii)); };

    EXPECT_EQ(run.Play("key escape\nkey f1\nkey q\n"), 0);
    EXPECT_EQ(keys, (Lines{"down 27", "press 27", "down 112", "down 81", "press 113"}));
}

TEST(ScriptInput, TypeFillsATextBoxAndSelectChoosesAListItem) {
    ScriptRun run;
    run.main.List1.AddItem("first.sav");
    run.main.List1.AddItem("second.sav");
    Lines chosen;
    run.main.List1.OnClick = [&] { chosen.push_back(run.main.List1.Text()); };

    EXPECT_EQ(run.Play("type Main.Text1 New save\n"
                       "select Main.List1 second.sav\n"
                       "select Main.List1 third.sav\n"
                       "expect caption Main.Text1 New save\n"
                       "expect caption Main.List1 second.sav\n"),
              0);
    EXPECT_EQ(run.main.Text1.Text(), "New save");
    EXPECT_EQ(chosen, (Lines{"second.sav"}));
    EXPECT_EQ(run.Lines(), (Lines{"note: Main.List1 has no item \"third.sav\" (line 3)"}));
}

TEST(ScriptAnswer, QueuedAnswersGoToTheNextBoxesThatAsk) {
    ScriptRun run;
    Lines answers;
    run.main.Command1.OnClick = [&] {
        const auto answer = run.desktop.ShowMessageBox(
            {"Quit", "Really quit?\r\nAll is lost.", MsgBoxButtons::kYesNo, MsgBoxIcon::kQuestion});
        answers.push_back(answer == MsgBoxResult::kYes ? "yes" : "no");
    };

    EXPECT_EQ(run.Play("answer yes\nclick Main.Command1\nclick Main.Command1\n"), 0);
    EXPECT_EQ(answers, (Lines{"yes", "no"})) << "without an answer a Yes/No box says No";
    EXPECT_EQ(run.Lines(), (Lines{"msgbox: Quit | Really quit?\\r\\nAll is lost.",
                                  "msgbox: Quit | Really quit?\\r\\nAll is lost."}));
}

TEST(ScriptExpect, VisibilityAndCaptionPassAndFail) {
    ScriptRun run;
    run.main.Label1.SetCaption("Scene 1");
    run.main.Command1.OnClick = [&] {
        run.main.Block.SetVisible(true);
        run.main.Label1.SetCaption("Scene 2");
    };

    EXPECT_EQ(run.Play("expect hidden Main.Block\n"
                       "expect caption Main.Label1 Scene 1\n"
                       "click Main.Command1\n"
                       "expect hidden Main.Block\n"
                       "expect caption Main.Label1 Scene 1\n"
                       "expect visible Main.Block\n"
                       "state\n"),
              1);
    EXPECT_EQ(run.Lines(),
              (Lines{"FAIL 4: Main.Block is visible, expected hidden",
                     "FAIL 5: Main.Label1 shows \"Scene 2\", expected \"Scene 1\"",
                     "state: scene=0 in-hand=none inventory=[] flags=[] locations=[]"}))
        << "the run goes on after a failed expectation";
}

TEST(ScriptExpect, PointerComparesPictureIdentity) {
    ScriptRun run;
    const auto normal = testing::MakeBlankPicture("normal");
    const auto wait = testing::MakeBlankPicture("wait");
    const auto same_look = testing::MakeBlankPicture("normal");
    const auto held = testing::MakeBlankPicture("held");
    const auto held_hl = testing::MakeBlankPicture("held-hl");
    run.game.pointers = {{13, normal}, {14, wait}};
    run.game.item_pointer = held;
    run.game.item_highlighted = held_hl;
    run.desktop.Pointer().ShowPicture(normal);
    run.main.Command1.OnClick = [&] { run.desktop.Pointer().ShowPicture(held_hl); };
    run.main.Animation(1).OnClick = [&] { run.desktop.Pointer().ShowPicture(same_look); };

    EXPECT_EQ(run.Play("expect pointer 13\n"
                       "expect pointer 14\n"
                       "click Main.Command1\n"
                       "expect pointer item-hl\n"
                       "expect pointer item\n"
                       "click Main.Animation(1)\n"
                       "expect pointer 13\n"),
              1);
    EXPECT_EQ(run.Lines(),
              (Lines{"FAIL 2: the pointer shows pointer 13, expected pointer 14",
                     "FAIL 5: the pointer shows the held item's highlighted pointer, expected "
                     "the held item's pointer",
                     "FAIL 7: the pointer shows another picture, expected pointer 13"}));
}

TEST(ScriptExpect, GameStateThroughTheQueries) {
    ScriptRun run;
    run.game.flags = {{3, 1}, {200, -7}};
    run.game.scene = 4;
    run.game.inventory = {5, 2};
    run.game.in_hand = 2;
    run.game.sounds = {{3, "Door.wav"}};
    run.game.music = "Shanty.MP3";
    run.game.locations = {2, 9};

    EXPECT_EQ(run.Play("expect flag 3 1\nexpect flag 200 -7\nexpect flag 4 0\n"
                       "expect scene 4\nexpect inventory 5 2\nexpect in-hand 2\n"
                       "expect playing 3 door.wav\nexpect playing 4 none\n"
                       "expect music shanty.mp3\n"
                       "expect location 2 shown\nexpect location 3 hidden\nstate\n"),
              0);
    EXPECT_EQ(run.Lines(), (Lines{"state: scene=4 in-hand=2 inventory=[5 2] flags=[3=1 200=-7] "
                                  "locations=[2 9]"}));

    ScriptRun failing;
    failing.game.inventory = {5};
    failing.game.sounds = {{3, "door.wav"}};
    failing.game.locations = {2};
    EXPECT_EQ(failing.Play("expect flag 3 1\nexpect scene 4\nexpect inventory\n"
                           "expect in-hand 5\nexpect playing 3 none\nexpect playing 4 bell.wav\n"
                           "expect location 2 hidden\nexpect music menu.mid\n"),
              1);
    EXPECT_EQ(
        failing.Lines(),
        (Lines{"FAIL 1: flag 3 is 0, expected 1", "FAIL 2: scene is 0, expected 4",
               "FAIL 3: inventory is [5], expected []", "FAIL 4: in hand is none, expected item 5",
               "FAIL 5: channel 3 plays door.wav, expected nothing",
               "FAIL 6: channel 4 plays nothing, expected bell.wav",
               "FAIL 7: map location 2 is shown, expected hidden",
               "FAIL 8: the music is nothing, expected menu.mid"}));
    EXPECT_EQ(failing.driver->Failures(), 8);
}

TEST(ScriptWait, TimersRunOnTheVirtualClock) {
    ScriptRun run;
    std::vector<TimeMs> ticks;
    run.main.Ticker.SetInterval(1000);
    run.main.Ticker.OnTimer = [&] { ticks.push_back(run.clock.Now()); };
    run.main.Ticker.SetEnabled(true);

    EXPECT_EQ(run.Play("wait 3500\nwait 0\nwait 500\n"), 0);
    EXPECT_EQ(ticks, (std::vector<TimeMs>{1000, 2000, 3000, 4000}));
    EXPECT_EQ(run.clock.Now(), 4000);
}

TEST(ScriptWait, ModalWindowOpenedDuringAWaitKeepsWaiting) {
    ScriptRun run;
    TimeMs answered_at = -1;
    run.main.Ticker.SetInterval(500);
    run.main.Ticker.OnTimer = [&] {
        run.main.Ticker.SetEnabled(false);
        run.query.ShowModal();
    };
    run.main.Ticker.SetEnabled(true);
    run.query.ButtnYes.OnClick = [&] {
        answered_at = run.clock.Now();
        run.query.Hide();
    };

    EXPECT_EQ(run.Play("wait 2000\nclick QuitGameQuery.ButtnYes\nwait 100\n"), 0);
    EXPECT_EQ(answered_at, 2000) << "the modal loop took the click only after the whole wait";
    EXPECT_EQ(run.clock.Now(), 2100);
}

TEST(ScriptErrors, UnknownControlsStopTheScriptBeforeItRuns) {
    ScriptRun run;
    int clicks = 0;
    run.main.Command1.OnClick = [&] { ++clicks; };
    EXPECT_EQ(run.Play("click Main.Command1\n\nclick Main.Animation(4)\n"), 2);
    EXPECT_EQ(run.errors, "script line 3: unknown control Main.Animation(4)");
    EXPECT_EQ(run.Play("click Main.Animation(0)\n"), 2);
    EXPECT_EQ(run.Play("click Main.Command1(1)\n"), 2) << "not an array";
    EXPECT_EQ(run.Play("click Menu.Command1\n"), 2) << "no such window";
    EXPECT_EQ(clicks, 0);

    ScriptRun other;
    EXPECT_EQ(other.Play("expect visible MainMenu.Buttn(1)\n"), 2);
    EXPECT_EQ(other.errors, "script line 1: unknown control MainMenu.Buttn(1)");

    ScriptRun wrong_kind;
    EXPECT_EQ(wrong_kind.Play("wait 1\ntype Main.Command1 text\n"), 2);
    EXPECT_EQ(wrong_kind.errors, "script line 2: Main.Command1 is not a text box");
    EXPECT_EQ(wrong_kind.Play("select Main.Text1 text\n"), 2);
    EXPECT_EQ(wrong_kind.errors, "script line 1: Main.Text1 is not a list");

    ScriptRun malformed;
    EXPECT_EQ(malformed.Play("wait 10\nclick\n"), 2);
    EXPECT_EQ(malformed.errors.rfind("script line 2: ", 0), 0U);
}

TEST(ScriptRuns, ShutDownEndsTheRunAndLeavesTheRestOfTheScript) {
    ScriptRun run;
    int clicks = 0;
    run.main.Command1.OnClick = [&] {
        ++clicks;
        run.loop.Quit();
    };
    EXPECT_EQ(run.Play("click Main.Command1\nclick Main.Command1\nexpect scene 9\n"), 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(run.driver->Finished());
    EXPECT_TRUE(run.Lines().empty());
}

TEST(ScriptRuns, TheSameScriptGivesTheSameOutput) {
    const auto play = [] {
        ScriptRun run;
        run.main.Ticker.SetInterval(300);
        int ticks = 0;
        run.main.Ticker.OnTimer = [&] {
            ++ticks;
            run.output.Log("tick " + std::to_string(ticks) + " at " +
                           std::to_string(run.clock.Now()));
            run.main.Block.SetVisible(ticks % 2 == 1);
        };
        run.main.Ticker.SetEnabled(true);
        const int status = run.Play(
            "wait 700\nclick Main.Animation(1)\nwait 400\n"
            "click Main.Animation(1)\nexpect visible Main.Block\nstate\n");
        return std::to_string(status) + "\n" + run.out.str();
    };
    const std::string first = play();
    EXPECT_EQ(first, play());
    EXPECT_EQ(first,
              "0\nlog: tick 1 at 300\nlog: tick 2 at 600\nlog: tick 3 at 900\n"
              "note: Main.Animation(1) not reachable (covered by Main.Block)\nstate: scene=0 "
              "in-hand=none "
              "inventory=[] flags=[] locations=[]\n");
}

TEST(ScriptOutputLines, MediaLinesOnlyWhenTraced) {
    std::ostringstream traced_out;
    ScriptOutput traced(traced_out, true);
    traced.Media("media: sound 3 door.wav loop=False pan=0 vol=0");
    traced.Log("Caf\xE9\r\nopen");
    EXPECT_EQ(traced_out.str(),
              "media: sound 3 door.wav loop=False pan=0 vol=0\nlog: Caf\xC3\xA9\\r\\nopen\n");

    std::ostringstream quiet_out;
    ScriptOutput quiet(quiet_out, false);
    quiet.Media("midi theme.mid vol=0");
    EXPECT_EQ(quiet_out.str(), "");
}

}  // namespace
}  // namespace morvane
