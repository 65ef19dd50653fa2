#include "player/option_parser.h"

#include <gtest/gtest.h>

#include <functional>

namespace morvane {
namespace {

using Action = CommandLine::Action;
using Arguments = std::vector<std::string>;

struct Accepted {
    Arguments arguments;
    std::function<bool(const PlayerOptions&)> holds;
    const char* what;
};

TEST(OptionParserTest, EveryOptionInBothForms) {
    const std::vector<Accepted> cases = {
        {{"--fullscreen"}, [](auto& o) { return o.full_screen; }, "full screen"},
        {{"-f"}, [](auto& o) { return o.full_screen; }, "full screen, short"},
        {{"--fullscreen", "--windowed"}, [](auto& o) { return !o.full_screen; }, "last wins"},
        {{"-f", "-w"}, [](auto& o) { return !o.full_screen; }, "windowed, short"},
        {{"--scale", "integer"},
         [](auto& o) { return o.scaling == Scaling::kInteger; },
         "scale VALUE"},
        {{"--scale=smooth"}, [](auto& o) { return o.scaling == Scaling::kSmooth; }, "scale=VALUE"},
        {{"--scale=fit"}, [](auto& o) { return o.scaling == Scaling::kFit; }, "fit"},
        {{"--volume", "0"}, [](auto& o) { return o.volume == 0; }, "volume VALUE"},
        {{"--volume=100"}, [](auto& o) { return o.volume == 100; }, "volume=VALUE"},
        {{"--volume=35"}, [](auto& o) { return o.volume == 35; }, "volume between"},
        {{"--mute"}, [](auto& o) { return o.mute; }, "mute"},
        {{"-m"}, [](auto& o) { return o.mute; }, "mute, short"},
        {{"-fm"}, [](auto& o) { return o.mute && o.full_screen; }, "short switches together"},
        {{"--soundfont", "/x/gm.sf2"},
         [](auto& o) { return o.soundfont == "/x/gm.sf2"; },
         "soundfont FILE"},
        {{"--soundfont=a b.sf2"},
         [](auto& o) { return o.soundfont == "a b.sf2"; },
         "soundfont=FILE"},
        {{"--saves", "/s"}, [](auto& o) { return o.saves == "/s"; }, "saves DIR"},
        {{"--saves=/t"}, [](auto& o) { return o.saves == "/t"; }, "saves=DIR"},
        {{"--log-file", "run.log"},
         [](auto& o) { return o.log_file == "run.log"; },
         "log-file FILE"},
        {{"--log-file=x=y.log"},
         [](auto& o) { return o.log_file == "x=y.log"; },
         "log-file=FILE with '=' in it"},
        {{"--headless"}, [](auto& o) { return o.headless; }, "headless"},
        {{"--script", "-"}, [](auto& o) { return o.script == "-"; }, "script from stdin"},
        {{"--script=walk.txt"}, [](auto& o) { return o.script == "walk.txt"; }, "script=FILE"},
        {{"--log"}, [](auto& o) { return o.log; }, "log"},
        {{"--record", "walk.txt"}, [](auto& o) { return o.record == "walk.txt"; }, "record FILE"},
        {{"--record=w.txt"}, [](auto& o) { return o.record == "w.txt"; }, "record=FILE"},
        {{"--script=w.txt", "--continue"},
         [](auto& o) { return o.continue_play && o.script == "w.txt"; },
         "continue"},
        {{"--trace-media"}, [](auto& o) { return o.trace_media; }, "trace-media"},
        {{"game", "--headless"},
         [](auto& o) { return o.game_folder == "game" && o.headless; },
         "folder first"},
        {{"--headless", "game"},
         [](auto& o) { return o.game_folder == "game" && o.headless; },
         "folder last"},
        {{"--", "--odd-folder"},
         [](auto& o) { return o.game_folder == "--odd-folder"; },
         "-- ends the options"},
    };
    for (const Accepted& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.action, Action::kRun) << c.what << ": " << line.error;
        EXPECT_TRUE(c.holds(line.options)) << c.what;
    }
}

TEST(OptionParserTest, DefaultsAreAWindowAtFullVolume) {
    const CommandLine line = ParseCommandLine({});
    EXPECT_EQ(line.action, Action::kRun);
    EXPECT_FALSE(line.options.full_screen);
    EXPECT_EQ(line.options.scaling, Scaling::kFit);
    EXPECT_EQ(line.options.volume, 100);
    EXPECT_FALSE(line.options.mute);
    EXPECT_FALSE(line.options.soundfont);
    EXPECT_TRUE(line.options.game_folder.empty());
}

TEST(OptionParserTest, HelpAndVersionWinOverWhatFollows) {
    for (const auto& [arguments, action] : std::vector<std::pair<Arguments, Action>>{
             {{"--help"}, Action::kHelp},
             {{"-h"}, Action::kHelp},
             {{"game", "--help", "--bogus"}, Action::kHelp},
             {{"--version"}, Action::kVersion},
             {{"-V"}, Action::kVersion},
         }) {
        EXPECT_EQ(ParseCommandLine(arguments).action, action) << arguments[0];
    }
    // Every option is explained.
    const std::string help = HelpText();
    for (const char* name :
         {"--fullscreen", "--windowed", "--scale fit|integer|smooth", "--volume 0..100", "--mute",
          "--soundfont FILE", "--saves DIR", "--log-file FILE", "--headless", "--script FILE|-",
          "--log", "--trace-media", "--help", "--version", "settings.ini"}) {
        EXPECT_NE(help.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(VersionText().rfind("morvane-player ", 0), 0U);
}

TEST(OptionParserTest, BadInputIsOneLineNamingTheProblem) {
    for (const auto& [arguments, error] : std::vector<std::pair<Arguments, std::string>>{
             {{"--bogus"}, "unknown option --bogus"},
             {{"-x"}, "unknown option -x"},
             {{"-fx"}, "unknown option -x"},
             {{"--scale"}, "--scale needs a value (fit|integer|smooth)"},
             {{"--scale", "huge"}, "--scale: scale must be fit, integer or smooth, not 'huge'"},
             {{"--scale="}, "--scale: scale must be fit, integer or smooth, not ''"},
             {{"--volume=101"}, "--volume: volume must be a whole number from 0 to 100, not '101'"},
             {{"--volume", "-1"},
              "--volume: volume must be a whole number from 0 to 100, not '-1'"},
             {{"--volume=50%"}, "--volume: volume must be a whole number from 0 to 100, not '50%'"},
             {{"--volume=loud"},
              "--volume: volume must be a whole number from 0 to 100, not 'loud'"},
             {{"--volume"}, "--volume needs a value (0..100)"},
             {{"--mute=yes"}, "--mute takes no value"},
             {{"--soundfont="}, "--soundfont: soundfont must not be empty"},
             {{"--script"}, "--script needs a value (FILE|-)"},
             {{"--record"}, "--record needs a value (FILE)"},
             {{"--record="}, "--record: record must not be empty"},
             {{"one", "two"}, "only one game folder may be given (one and two)"},
         }) {
        const CommandLine line = ParseCommandLine(arguments);
        EXPECT_EQ(line.action, Action::kError) << error;
        EXPECT_EQ(line.error, error);
        EXPECT_EQ(line.error.find('\n'), std::string::npos);
    }
    EXPECT_NE(HelpHint().find("--help"), std::string::npos);
}

TEST(OptionParserTest, RecordingAndContinuingNeedTheWindow) {
    for (const auto& [arguments, conflict] : std::vector<std::pair<Arguments, std::string>>{
             {{"--record=w.txt"}, ""},
             {{"--script=a.txt", "--continue", "--record=w.txt"}, ""},
             {{"--script=a.txt", "--headless", "--record=w.txt"},
              "--record records the play at the window; it cannot go with --headless"},
             {{"--script=a.txt", "--headless", "--continue"},
              "--continue hands a script over to the window; it cannot go with --headless"},
             {{"--continue"}, "--continue goes on from the end of a script: it needs --script"},
         }) {
        const CommandLine line = ParseCommandLine(arguments);
        ASSERT_EQ(line.action, Action::kRun) << line.error;
        EXPECT_EQ(ConflictingOptions(line.options).value_or(""), conflict) << arguments.back();
    }
}

}  // namespace
}  // namespace morvane
