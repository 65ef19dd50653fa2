// Scripts for authors: a note says why a click cannot reach its control, `expect shown` looks
// at every window and container above a control, a missing argument is named, and a strict run
// fails on what an author should fix.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/game_data.h"
#include "script_fixture.h"
#include "support/game_builder.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::ScriptRun;
using Lines = std::vector<std::string>;

TEST(ScriptNotes, SayWhyAControlCannotBeReached) {
    struct Case {
        const char* name;
        void (*arrange)(ScriptRun&);
        const char* control;
        const char* note;
    };
    const Case cases[] = {
        {"covered", [](ScriptRun& r) { r.main.Block.SetVisible(true); }, "Main.Animation(1)",
         "note: Main.Animation(1) not reachable (covered by Main.Block)"},
        {"disabled", [](ScriptRun& r) { r.main.Command1.SetEnabled(false); }, "Main.Command1",
         "note: Main.Command1 not reachable (disabled)"},
        {"hidden", [](ScriptRun& r) { r.main.Animation(2).SetVisible(false); }, "Main.Animation(2)",
         "note: Main.Animation(2) not reachable (hidden)"},
        {"container hidden", [](ScriptRun& r) { r.main.ScnImg.SetVisible(false); },
         "Main.Animation(3)", "note: Main.Animation(3) not reachable (Main.ScnImg hidden)"},
        {"window hidden", [](ScriptRun& r) { r.query.Load(); }, "QuitGameQuery.ButtnYes",
         "note: QuitGameQuery.ButtnYes not reachable (window QuitGameQuery hidden)"},
        {"window not loaded", [](ScriptRun&) {}, "QuitGameQuery.ButtnYes",
         "note: QuitGameQuery.ButtnYes not reachable (window QuitGameQuery not loaded)"},
        {"outermost first",
         [](ScriptRun& r) {
             r.main.ScnImg.SetVisible(false);
             r.main.Animation(1).SetVisible(false);
         },
         "Main.Animation(1)", "note: Main.Animation(1) not reachable (Main.ScnImg hidden)"},
    };
    for (const Case& c : cases) {
        ScriptRun run;
        // No click reaches a handler.
        int clicks = 0;
        run.main.Command1.OnClick = [&] { ++clicks; };
        run.main.Animation.ForEach(
            [&](PictureBox& object, int) { object.OnClick = [&] { ++clicks; }; });
        run.query.ButtnYes.OnClick = [&] { ++clicks; };
        c.arrange(run);
        EXPECT_EQ(run.Play(std::string("click ") + c.control + "\n"), 0) << c.name;
        EXPECT_EQ(run.Lines(), Lines{c.note}) << c.name;
        EXPECT_EQ(clicks, 0) << c.name;
    }
}

TEST(ScriptStrict, EveryNoteIsAFailure) {
    const char* script = "click Main.Animation(1)\nclick Main.Command1\n";
    for (const bool strict : {false, true}) {
        ScriptRun run;
        run.main.Block.SetVisible(true);
        run.Prepare = [strict](ScriptDriver& driver) { driver.SetStrict(strict); };
        EXPECT_EQ(run.Play(script), strict ? 1 : 0) << strict;
        EXPECT_EQ(run.Lines(),
                  Lines{"note: Main.Animation(1) not reachable (covered by Main.Block)"});
    }
}

// Visibility is the control's own, inside a hidden container or window alike.
TEST(ScriptExpect, ShownLooksAboveTheControlWhereVisibleDoesNot) {
    ScriptRun run;
    run.main.ScnImg.SetVisible(false);
    run.query.Load();
    EXPECT_EQ(run.Play("expect visible Main.Animation(1)\nexpect shown Main.Animation(1)\n"
                       "expect shown Main.Command1\nexpect shown QuitGameQuery.ButtnYes\n"
                       "expect visible QuitGameQuery.ButtnYes\nexpect hidden QuitGameQuery\n"),
              1);
    EXPECT_EQ(run.Lines(),
              (Lines{"FAIL 2: Main.Animation(1) is not shown (Main.ScnImg hidden)",
                     "FAIL 4: QuitGameQuery.ButtnYes is not shown (window QuitGameQuery hidden)"}));
}

TEST(ScriptParse, AMissingArgumentIsNamedAsMissing) {
    const std::pair<const char*, const char*> cases[] = {
        {"wait", "script line 1: the wait is missing"},
        {"answer", "script line 1: the answer is missing"},
        {"expect flag", "script line 1: the flag number is missing"},
        {"expect flag 3", "script line 1: the flag value is missing"},
        {"expect scene", "script line 1: the scene is missing"},
        {"expect location 2", "script line 1: shown or hidden is missing"},
        {"expect", "script line 1: what to expect is missing"},
        {"click", "script line 1: a control name is missing"},
    };
    for (const auto& [line, error] : cases) {
        const ParsedScript script = ParseScript(std::string(line) + "\n");
        ASSERT_TRUE(script.error) << line;
        EXPECT_EQ(DescribeScriptError(*script.error), error) << line;
    }
}

// The player program: a strict run fails on an error message box and says so.
TEST(StrictProgram, AnErrorMessageBoxFailsAStrictRunOnly) {
    testing::TempFolder folder;
    GameData game;
    game.General = GeneralRecord{};
    game.General->MenuButtonShown[1] = 1;  // New Game
    SceneRecord scene;
    scene.Header.Background = FixedText<15>("missing.gif");
    game.Scenes = {scene};
    testing::GameBuilder(folder.Path() / "game").Write(game);
    const std::string script = "wait 4000\nclick MainMenu.Buttn(2)\nwait 3000\n";
    const auto lenient = testing::RunPlayerScript(folder, folder.Path() / "game", script);
    EXPECT_EQ(lenient.status, 0) << lenient.err;
    EXPECT_NE(lenient.out.find("msgbox: "), std::string::npos) << lenient.out;

    const auto strict =
        testing::RunPlayerScript(folder, folder.Path() / "game", script, "--strict");
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(strict.err, "morvane-player: strict: 1 error message box\n");
}

// The save dialog's question before a saved game is written over is play, not an error.
TEST(StrictQuestions, AnsweringTheOverwriteQuestionKeepsAStrictRunGreen) {
    testing::TempFolder folder;
    const auto game = folder.Path() / "game";
    testing::GameBuilder(game).WriteJson(
        R"({"general": {"35": "1", "37": 1, "52": 1, "57": 1}, "scenes": [{}]})");
    std::string script = "wait 3000\nclick MainMenu.Buttn(2)\nwait 2000\n";
    for (int n = 0; n < 2; ++n) {
        script +=
            "click Main.SaveGameButtn\nwait 300\ntype SaveGame.Text1 mine\nanswer yes\n"
            "click SaveGame.ButtnOK\nwait 300\n";
    }
    const auto run = testing::RunPlayerScript(folder, game, script, "--strict");
    EXPECT_NE(run.out.find("msgbox: "), std::string::npos) << run.out;
    EXPECT_EQ(run.status, 0) << run.out << run.err;
}

}  // namespace
}  // namespace morvane
