#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "debug/control_name.h"
#include "debug/script.h"

namespace morvane {
namespace {

ScriptCommand One(const std::string& line) {
    const ParsedScript script = ParseScript(line);
    EXPECT_FALSE(script.error) << line << ": " << script.error->message;
    EXPECT_EQ(script.commands.size(), 1U) << line;
    return script.commands.empty() ? ScriptCommand{} : script.commands.front();
}

TEST(ScriptParse, CommandsTakeTheirArguments) {
    const auto wait = One("wait 2000");
    EXPECT_EQ(wait.kind, CommandKind::kWait);
    EXPECT_EQ(wait.numbers, (std::vector<long long>{2000}));

    const auto click = One("click Main.Animation(3) right");
    EXPECT_EQ(click.kind, CommandKind::kClick);
    EXPECT_EQ(click.control, "Main.Animation(3)");
    EXPECT_EQ(click.button, MouseButton::kRight);
    EXPECT_EQ(One("click MainMenu.Buttn(2)").button, MouseButton::kLeft);

    const auto type = One("type SaveGame.Text1   my  save ");
    EXPECT_EQ(type.kind, CommandKind::kType);
    EXPECT_EQ(type.control, "SaveGame.Text1");
    EXPECT_EQ(type.text, "my  save");

    const auto select = One("select LoadGame.File1 caf\xC3\xA9.sav");
    EXPECT_EQ(select.kind, CommandKind::kSelect);
    EXPECT_EQ(select.text, "caf\xE9.sav") << "texts are compared in the game's own bytes";

    EXPECT_EQ(One("answer yes").answer, MsgBoxResult::kYes);
    EXPECT_EQ(One("answer no").answer, MsgBoxResult::kNo);
    EXPECT_EQ(One("answer ok").answer, MsgBoxResult::kOk);
    EXPECT_EQ(One("answer cancel").answer, MsgBoxResult::kCancel);
    EXPECT_EQ(One("state").kind, CommandKind::kState);
}

TEST(ScriptParse, KeysBecomeKeyCodesAndTypedCharacters) {
    const auto escape = One("key escape");
    EXPECT_EQ(escape.key_code, 27);
    EXPECT_EQ(escape.key_ascii, 27);
    EXPECT_EQ(One("key enter").key_code, 13);
    EXPECT_EQ(One("key space").key_ascii, 32);
    const auto f1 = One("key f1");
    EXPECT_EQ(f1.key_code, 112);
    EXPECT_EQ(f1.key_ascii, 0) << "function keys type nothing";
    EXPECT_EQ(One("key f12").key_code, 123);
    const auto letter = One("key a");
    EXPECT_EQ(letter.key_code, 'A');
    EXPECT_EQ(letter.key_ascii, 'a');
    EXPECT_EQ(One("key 7").key_code, '7');
    EXPECT_EQ(One("key f").key_code, 'F') << "a lone f is the letter, not a function key";
}

TEST(ScriptParse, ExpectationsTakeTheirArguments) {
    const auto flag = One("expect flag 12 -3");
    EXPECT_EQ(flag.kind, CommandKind::kExpectFlag);
    EXPECT_EQ(flag.numbers, (std::vector<long long>{12, -3}));
    EXPECT_EQ(One("expect scene 7").numbers, (std::vector<long long>{7}));
    EXPECT_EQ(One("expect inventory 4 2 9").numbers, (std::vector<long long>{4, 2, 9}));
    EXPECT_TRUE(One("expect inventory").numbers.empty());
    EXPECT_TRUE(One("expect in-hand none").none);
    EXPECT_EQ(One("expect in-hand 5").numbers, (std::vector<long long>{5}));
    EXPECT_EQ(One("expect visible Main.Block").kind, CommandKind::kExpectVisible);
    EXPECT_EQ(One("expect hidden Main.Block").kind, CommandKind::kExpectHidden);

    const auto caption = One("expect caption Main.ConvText(1) Hello there");
    EXPECT_EQ(caption.control, "Main.ConvText(1)");
    EXPECT_EQ(caption.text, "Hello there");
    EXPECT_EQ(One("expect caption Main.Label1").text, "") << "an empty caption";

    EXPECT_EQ(One("expect pointer 13").numbers, (std::vector<long long>{13}));
    EXPECT_EQ(One("expect pointer item").pointer, PointerWanted::kItem);
    EXPECT_EQ(One("expect pointer item-hl").pointer, PointerWanted::kItemHighlighted);

    const auto playing = One("expect playing 3 door.wav");
    EXPECT_EQ(playing.numbers, (std::vector<long long>{3}));
    EXPECT_EQ(playing.text, "door.wav");
    EXPECT_TRUE(One("expect playing 19 none").none);
    EXPECT_EQ(One("expect music shanty.mp3").text, "shanty.mp3");
    EXPECT_TRUE(One("expect music none").none);

    const auto location = One("expect location 4 shown");
    EXPECT_EQ(location.numbers, (std::vector<long long>{4}));
    EXPECT_TRUE(location.shown);
    EXPECT_FALSE(One("expect location 4 hidden").shown);
}

TEST(ScriptParse, BlankAndCommentLinesAreSkippedButCounted) {
    const ParsedScript script =
        ParseScript("# walk to the tower\n\n   \nwait 10\r\n  # done\nstate\n");
    ASSERT_FALSE(script.error);
    ASSERT_EQ(script.commands.size(), 2U);
    EXPECT_EQ(script.commands[0].line, 4);
    EXPECT_EQ(script.commands[1].line, 6);
}

TEST(ScriptParse, MalformedLinesAreReportedWithTheirLineNumber) {
    const std::vector<std::string> malformed = {
        "jump Main.Command1",
        "wait",
        "wait soon",
        "wait -5",
        "wait 10 20",
        "click",
        "click Main.Command1 middle",
        "click Main..Command1",
        "click Main.Animation(x)",
        "hover Main.Animation(3",
        "key",
        "key f13",
        "key shift",
        "type Main.Text1",
        "select Main.List1",
        "answer maybe",
        "expect",
        "expect weather",
        "expect flag 256 1",
        "expect flag 3",
        "expect flag 3 40000",
        "expect scene",
        "expect inventory 1 two",
        "expect in-hand",
        "expect visible",
        "expect pointer 16",
        "expect pointer hand",
        "expect playing 21 door.wav",
        "expect playing 3",
        "expect music",
        "expect music a.mp3 b.mp3",
        "expect location 4 maybe",
        "expect location 21 shown",
        "state now",
    };
    for (const std::string& line : malformed) {
        const ParsedScript script = ParseScript("# a comment\nwait 10\n" + line + "\nstate\n");
        ASSERT_TRUE(script.error) << line;
        EXPECT_EQ(script.error->line, 3) << line;
        EXPECT_FALSE(script.error->message.empty()) << line;
        EXPECT_TRUE(script.commands.empty()) << "a malformed script does not run: " << line;
        EXPECT_EQ(DescribeScriptError(*script.error).rfind("script line 3: ", 0), 0U) << line;
    }
}

TEST(ControlNames, WindowNameAndIndex) {
    const auto element = ParseControlName("Main.Animation(12)");
    ASSERT_TRUE(element);
    EXPECT_EQ(element->window, "Main");
    EXPECT_EQ(element->name, "Animation");
    EXPECT_EQ(element->index, 12);

    const auto single = ParseControlName("Main.InvBar");
    ASSERT_TRUE(single);
    EXPECT_EQ(single->name, "InvBar");
    EXPECT_EQ(single->index, 0);

    const auto window = ParseControlName("MapWindow");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->window, "MapWindow");
    EXPECT_TRUE(window->name.empty());

    for (const char* bad : {"", ".Command1", "Main.", "Main.Animation()", "Main.Animation(-1)",
                            "Main.Animation(123456)", "Main.Anim ation", "Main.Command1.Caption",
                            "Main.Animation(1)x", "1Main.Command1"}) {
        EXPECT_FALSE(ParseControlName(bad)) << bad;
    }
}

}  // namespace
}  // namespace morvane
