#include "player/settings_file.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "player/option_parser.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

SettingsResult Read(const std::string& text, const PlayerOptions& base = {}) {
    std::istringstream in(text);
    return ReadSettings(in, "settings.ini", base);
}

TEST(SettingsFileTest, NamesAreTheLongOptions) {
    const SettingsResult result = Read(
        "# my player\n"
        "[player]\n"
        "fullscreen = yes\n"
        "scale=integer\n"
        "  volume =  60  \n"
        "mute = off\n"
        "soundfont = \"/opt/sf2/Big GM.sf2\"\n"
        "saves = /home/ann/saves\n"
        "log-file = /tmp/run.log\n"
        "; logging too\n"
        "log = 1\n"
        "\n");
    EXPECT_TRUE(result.warnings.empty());
    const PlayerOptions& o = result.options;
    EXPECT_TRUE(o.full_screen);
    EXPECT_EQ(o.scaling, Scaling::kInteger);
    EXPECT_EQ(o.volume, 60);
    EXPECT_FALSE(o.mute);
    EXPECT_EQ(o.soundfont, "/opt/sf2/Big GM.sf2");
    EXPECT_EQ(o.saves, "/home/ann/saves");
    EXPECT_EQ(o.log_file, "/tmp/run.log");
    EXPECT_TRUE(o.log);
}

TEST(SettingsFileTest, MalformedLinesAreReportedWithTheirNumberAndIgnored) {
    const SettingsResult result = Read(
        "volume = 30\n"
        "volume = 300\n"
        "this line has no equals sign\n"
        "scale = tiny\n"
        "colour = blue\n"
        "mute = perhaps\n"
        "headless = true\n"
        "script = walk.txt\n"
        "fullscreen = true\n");
    EXPECT_EQ(result.options.volume, 30);
    EXPECT_EQ(result.options.scaling, Scaling::kFit);
    EXPECT_FALSE(result.options.mute);
    EXPECT_FALSE(result.options.headless);
    EXPECT_FALSE(result.options.script);
    EXPECT_TRUE(result.options.full_screen);
    EXPECT_EQ(result.warnings,
              (std::vector<std::string>{
                  "settings.ini:2: volume must be a whole number from 0 to 100, not '300' "
                  "(line ignored)",
                  "settings.ini:3: expected 'name = value' (line ignored)",
                  "settings.ini:4: scale must be fit, integer or smooth, not 'tiny' (line ignored)",
                  "settings.ini:5: unknown setting 'colour' (line ignored)",
                  "settings.ini:6: mute must be true or false, not 'perhaps' (line ignored)",
                  "settings.ini:7: unknown setting 'headless' (line ignored)",
                  "settings.ini:8: unknown setting 'script' (line ignored)",
              }));
}

TEST(SettingsFileTest, TheCommandLineWinsOverTheFile) {
    const SettingsResult file = Read("volume = 20\nmute = true\nscale = smooth\nfullscreen = on\n");
    const CommandLine line = ParseCommandLine({"--volume", "90", "--windowed"}, file.options);
    EXPECT_EQ(line.options.volume, 90);
    EXPECT_FALSE(line.options.full_screen);
    // What the command line leaves alone keeps the file's value.
    EXPECT_TRUE(line.options.mute);
    EXPECT_EQ(line.options.scaling, Scaling::kSmooth);
}

TEST(SettingsFileTest, TheFileLivesInTheUsersConfigurationFolder) {
    auto world = [](std::map<std::string, std::string> variables) {
        return [variables](const std::string& name) {
            const auto it = variables.find(name);
            return it != variables.end() ? it->second : std::string();
        };
    };
    EXPECT_EQ(SettingsFilePath(world({{"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/ann"}})),
              "/cfg/morvane-player/settings.ini");
    EXPECT_EQ(SettingsFilePath(world({{"HOME", "/home/ann"}})),
              "/home/ann/.config/morvane-player/settings.ini");
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the desktop's rules say.
    EXPECT_EQ(SettingsFilePath(world({{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/bo"}})),
              "/home/bo/.config/morvane-player/settings.ini");

    testing::TempFolder folder;
    PlayerOptions base;
    base.volume = 55;
    EXPECT_EQ(ReadSettingsFile(folder.Path() / "missing.ini", base).options.volume, 55);
    EXPECT_TRUE(ReadSettingsFile(folder.Path() / "missing.ini", base).warnings.empty());
    const auto file = folder.Write("settings.ini", "volume = 5\nvolume\n");
    const SettingsResult read = ReadSettingsFile(file, base);
    EXPECT_EQ(read.options.volume, 5);
    EXPECT_EQ(read.warnings,
              (std::vector<std::string>{file.string() + ":2: expected 'name = value' (line "
                                                        "ignored)"}));
}

}  // namespace
}  // namespace morvane
