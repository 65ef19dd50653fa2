#include "debug/script_recorder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "debug/game_state_line.h"
#include "platform/message_box_headless.h"
#include "platform/message_box_relay.h"
#include "script_fixture.h"
#include "support/count_of.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::FakeGame;
using testing::StepInput;
using testing::TestMain;

// The game the tests play, the same whether a person plays it or the recording replays it:
// object 1 counts its clicks in flag 1, object 2 shows its own pointer, object 3 notes the
// pointer in flag 3, the button asks a yes-or-no question (flag 2: 1 yes, 2 no), a list row
// chosen is the scene, F2 sets flag 5 and the key x counts in flag 6. The timer, once started
// by a right click on object 1, asks once whether to go on (flag 7: 1 ok, 2 cancel).
void WireGame(TestMain& main, FakeGame& game, Desktop& desktop) {
    main.Animation(1).OnClick = [&game] { game.flags[1] = game.Flag(1) + 1; };
    main.Animation(1).OnMouseDown = [&main](const MouseArgs& args) {
        if (args.button == static_cast<int>(MouseButton::kRight)) {
            main.Ticker.SetEnabled(true);
        }
    };
    main.Animation(2).SetMousePointer(2);
    main.Animation(3).OnMouseMove = [&game](const MouseArgs&) { game.flags[3] = 1; };
    main.Command1.OnClick = [&game, &desktop] {
        const auto answer = desktop.ShowMessageBox(
            {"Test", "Go on?", MsgBoxButtons::kYesNo, MsgBoxIcon::kQuestion});
        game.flags[2] = answer == MsgBoxResult::kYes ? 1 : 2;
    };
    main.List1.AddItem("oil");
    main.List1.AddItem("key");
    main.List1.OnClick = [&main, &game] {
        game.scene = static_cast<Integer>(main.List1.ListIndex() + 1);
    };
    main.OnKeyDown = [&game](int& key_code, int) {
        if (key_code == key::kF1 + 1) {
            game.flags[5] = 1;
        }
    };
    main.OnKeyPress = [&game](int& key_ascii) {
        if (key_ascii == 'x') {
            game.flags[6] = game.Flag(6) + 1;
        }
    };
    main.Ticker.SetInterval(700);
    main.Ticker.OnTimer = [&main, &game, &desktop] {
        main.Ticker.SetEnabled(false);
        const auto answer = desktop.ShowMessageBox(
            {"Test", "Still there?", MsgBoxButtons::kOkCancel, MsgBoxIcon::kNone});
        game.flags[7] = answer == MsgBoxResult::kOk ? 1 : 2;
    };
}

// A person playing the test game with synthesized input, recorded.
struct RecordedPlay {
    explicit RecordedPlay(const std::vector<MsgBoxResult>& answers) {
        for (const MsgBoxResult answer : answers) {
            person.QueueAnswer(answer);
        }
        WireGame(main, game, desktop);
        main.Show();
    }

    Point Centre(const Control& control) const { return desktop.ScreenBounds(control).Centre(); }

    // The recorder sees the input and the message boxes.
    void Attach(ScriptRecorder& recorder) {
        boxes.OnShown = [&recorder] { recorder.BoxShown(); };
        boxes.OnAnswered = [&recorder](MsgBoxResult answer) { recorder.BoxAnswered(answer); };
        desktop.SetInputObserver(&recorder);
    }

    // Plays the steps as the user, each after `wait` ms of game time, and returns the
    // recording.
    std::string Play(const std::vector<std::pair<TimeMs, std::function<void()>>>& steps) {
        std::vector<StepInput::Step> input;
        for (const auto& [wait, act] : steps) {
            input.emplace_back([this, wait] { return InputStep::WaitUntil(loop.Now() + wait); });
            input.emplace_back([act] {
                act();
                return InputStep::Continue();
            });
        }
        StepInput user(std::move(input));
        ScriptRecorder recorder(file, desktop, game, &user);
        Attach(recorder);
        loop.SetInputSource(&recorder);
        loop.RunMainLoop([] { return false; });
        loop.SetInputSource(nullptr);
        recorder.Finish();
        desktop.SetInputObserver(nullptr);
        return file.str();
    }

    VirtualClock clock;
    EventLoop loop{clock};
    MemoryClipboard clipboard;
    // The person at the window answers the message boxes, one queued answer after another.
    std::ostringstream boxes_shown;
    HeadlessMessageBox person{boxes_shown};
    MessageBoxRelay boxes{person};
    Desktop desktop{loop, boxes, clipboard};
    TestMain main{desktop};
    FakeGame game;
    std::stringstream file;
};

// The recording replayed headless on the same game.
struct Replay : testing::ScriptRun {
    Replay() { WireGame(main, game, desktop); }
};

// Skips the comment lines, which say nothing a replay does.
std::string Commands(const std::string& script) {
    std::istringstream in(script);
    std::string commands;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '#') {
            commands += line + "\n";
        }
    }
    return commands;
}

TEST(ScriptRecorder, WritesEachKindOfInputAsTheCommandAScriptGivesIt) {
    RecordedPlay play({MsgBoxResult::kNo});
    TestMain& m = play.main;
    Desktop& d = play.desktop;
    const auto row_two = [&] {
        Point p = play.Centre(m.List1);
        p.y = d.ScreenBounds(m.List1).top + ListBox::kRowHeight + 4;
        return p;
    };
    const std::string script = play.Play({
        {1000, [&] { d.PostMouseMove(play.Centre(m.Animation(2))); }},
        {500, [&] { d.PostMouseMove(play.Centre(m.Animation(3))); }},
        {400, [&] { d.PostClick(play.Centre(m.Animation(1))); }},
        {300, [&] { d.PostClick(play.Centre(m.Command1)); }},
        {200, [&] { d.PostClick(row_two()); }},
        {100, [&] { d.PostKey(key::kF1 + 1, 0); }},
        {100, [&] { d.PostKey('X', 'x'); }},
        {250, [&] { d.PostClick(play.Centre(m.Text1)); }},
        {50,
         [&] {
             d.PostKeyPress('o');
             d.PostKeyPress('i');
         }},
        {30, [&] { d.PostKeyPress('l'); }},
        {600, [&] { d.PostClick(play.Centre(m.Animation(1)), MouseButton::kRight); }},
        // Time for the timer's question.
        {1000, [] {}},
    });
    EXPECT_EQ(Commands(script),
              "wait 1000\n"
              "hover Main.Animation(2)\n"
              "wait 500\n"
              "hover Main.Animation(3)\n"
              "wait 400\n"
              "click Main.Animation(1)\n"
              "wait 300\n"
              "answer no\n"
              "click Main.Command1\n"
              "wait 200\n"
              "select Main.List1 key\n"
              "wait 100\n"
              "key f2\n"
              "wait 100\n"
              "key x\n"
              "wait 250\n"
              "click Main.Text1\n"
              "wait 50\n"
              "type Main.Text1 oil\n"
              "wait 630\n"
              "answer cancel\n"
              "click Main.Animation(1) right\n"
              "wait 1000\n"
              "expect scene 2\n"
              "expect inventory\n"
              "expect in-hand none\n"
              "expect flag 1 2\n"
              "expect flag 2 2\n"
              "expect flag 3 1\n"
              "expect flag 5 1\n"
              "expect flag 6 1\n"
              "expect flag 7 2\n"
              "state\n")
        << script;
    EXPECT_EQ(testing::CountOf(play.boxes_shown.str(), "msgbox: "), 2);

    // Replayed headless, the recording holds its expectations and ends where the play did.
    Replay replay;
    EXPECT_EQ(replay.Play(script), 0) << replay.out.str() << replay.errors;
    EXPECT_EQ(DescribeGameState(replay.game), DescribeGameState(play.game));
    EXPECT_EQ(replay.main.Text1.Text(), play.main.Text1.Text());
}

TEST(ScriptRecorder, LeavesOutWhatAScriptCannotGiveAndSaysWhyForAClick) {
    RecordedPlay play({});
    TestMain& m = play.main;
    Desktop& d = play.desktop;
    // The block, brought to the front, covers the button's centre but not its left end. A
    // label without handlers does nothing when clicked, a middle click and a key scripts have
    // no name for are not written, and entering a control that does not react is no hover.
    m.Command1.OnClick = nullptr;
    m.Block.Move(40, 550, 100, 50);
    m.Block.SetVisible(true);
    m.Block.ZOrder();
    m.Block.OnClick = [] {};
    const Point button_end{20, 575};
    const Point block{120, 575};
    const std::string script = play.Play({
        {100, [&] { d.PostClick(play.Centre(m.Label1)); }},
        {100, [&] { d.PostClick(button_end); }},
        {100, [&] { d.PostClick(block); }},
        {100, [&] { d.PostClick(block, MouseButton::kMiddle); }},
        {100, [&] { d.PostKey(key::kBack, key::kBack); }},
        {100, [&] { d.PostMouseMove(play.Centre(m.Label1)); }},
    });
    EXPECT_EQ(Commands(script),
              "wait 300\n"
              "click Main.Block\n"
              "wait 300\n"
              "expect scene 0\n"
              "expect inventory\n"
              "expect in-hand none\n"
              "state\n")
        << script;
    EXPECT_NE(script.find("# not recorded: a click at 20,575 on Main.Command1, whose centre is "
                          "covered by Main.Block\n"),
              std::string::npos)
        << script;
}

TEST(ScriptRecorder, WritesAnEditedTextAsRetypedAndAnAnswerBeforeAnyCommandFirst) {
    RecordedPlay play({MsgBoxResult::kOk});
    TestMain& m = play.main;
    Desktop& d = play.desktop;
    m.Text1.SetText("lamp");
    m.Text1.SelectAll();
    const std::string script = play.Play({
        {0,
         [&] {
             d.ShowMessageBox({"Test", "Welcome", MsgBoxButtons::kOkOnly, MsgBoxIcon::kNone});
         }},
        {120,
         [&] {
             d.PostText(m.Text1, "");
             for (const int c : std::vector<int>{key::kBack, key::kBack, 'm', 'b', 'z'}) {
                 d.PostKeyPress(c);
             }
         }},
        {80, [&] { d.PostKeyPress(key::kBack); }},
        {400, [&] { d.PostKey(key::kReturn, key::kReturn); }},
    });
    EXPECT_EQ(Commands(script),
              "answer ok\n"
              "wait 120\n"
              "retype Main.Text1 mb\n"
              "wait 480\n"
              "key enter\n"
              "expect scene 0\n"
              "expect inventory\n"
              "expect in-hand none\n"
              "state\n")
        << script;

    Replay replay;
    replay.main.Text1.SetText("lamp");
    EXPECT_EQ(replay.Play(script), 0) << replay.out.str() << replay.errors;
    EXPECT_EQ(replay.main.Text1.Text(), "mb");
}

TEST(ScriptRecorder, EveryLineIsInTheFileAsSoonAsItIsWritten) {
    testing::TempFolder folder;
    const auto path = folder.Path() / "walk.txt";
    RecordedPlay play({});
    std::ofstream file(path, std::ios::binary);
    ScriptRecorder recorder(file, play.desktop, play.game, nullptr);
    play.Attach(recorder);
    play.desktop.PostClick(play.Centre(play.main.Command1));
    play.loop.PumpEvents();
    EXPECT_EQ(testing::ReadWholeFile(path), "answer no\nclick Main.Command1\n");
    play.desktop.SetInputObserver(nullptr);
}

}  // namespace
}  // namespace morvane
