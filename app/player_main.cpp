#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "debug/script.h"
#include "platform/environment.h"
#include "platform/sdl/sdl_library.h"
#include "player/game_folder_check.h"
#include "player/option_parser.h"
#include "player/player.h"
#include "player/settings_file.h"

namespace {

// The game the player is installed in: the folder of its executable.
std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path();
    }
    return std::filesystem::absolute(argv0, error).parent_path();
}

// Reads and checks the whole script before the game starts, so a typo on its last line costs
// no run. Nothing on an error, which is reported on standard error.
std::optional<std::vector<morvane::ScriptCommand>> LoadScript(const std::string& source) {
    morvane::ParsedScript script;
    if (source == "-") {
        script = morvane::ParseScript(std::cin);
    } else {
        // A folder opens like a file on some systems and then reads as nothing at all.
        std::error_code ec;
        if (std::filesystem::is_directory(source, ec)) {
            std::cerr << "morvane-player: the script " << source << " is a folder\n";
            return std::nullopt;
        }
        std::ifstream in(source, std::ios::binary);
        if (!in) {
            std::cerr << "morvane-player: cannot read the script " << source << '\n';
            return std::nullopt;
        }
        script = morvane::ParseScript(in);
    }
    if (script.error) {
        std::cerr << "morvane-player: " << morvane::DescribeScriptError(*script.error) << '\n';
        return std::nullopt;
    }
    return std::move(script.commands);
}

}  // namespace

int main(int argc, char** argv) {
    // The settings file first, the command line over it.
    const auto settings = morvane::ReadSettingsFile(
        morvane::SettingsFilePath(morvane::SystemEnvironment), morvane::PlayerOptions{});
    for (const std::string& warning : settings.warnings) {
        std::cerr << "morvane-player: " << warning << '\n';
    }
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const morvane::CommandLine command_line =
        morvane::ParseCommandLine(arguments, settings.options);
    switch (command_line.action) {
        case morvane::CommandLine::Action::kHelp:
            std::cout << morvane::HelpText();
            return 0;
        case morvane::CommandLine::Action::kVersion:
            std::cout << morvane::VersionText() << '\n';
            return 0;
        case morvane::CommandLine::Action::kError:
            std::cerr << "morvane-player: " << command_line.error << '\n'
                      << morvane::HelpHint() << '\n';
            return 2;
        case morvane::CommandLine::Action::kRun:
            break;
    }
    morvane::PlayerOptions options = command_line.options;
    if (const auto conflict = morvane::ConflictingOptions(options)) {
        std::cerr << "morvane-player: " << *conflict << '\n';
        return 2;
    }
    if (options.game_folder.empty()) {
        options.game_folder = ExecutableFolder(argv[0]);
    }
    if (const auto problem = morvane::CheckGameFolder(options.game_folder)) {
        std::cerr << "morvane-player: " << *problem << '\n';
        return 2;
    }

    std::optional<std::vector<morvane::ScriptCommand>> script;
    if (options.script) {
        script = LoadScript(*options.script);
        if (!script) {
            return 2;
        }
    }
    std::unique_ptr<morvane::Player> player;
    try {
        player = std::make_unique<morvane::Player>(options, std::cout);
    } catch (const morvane::sdl::NoDisplayError& error) {
        std::cerr << "morvane-player: " << error.what() << '\n';
        return 2;
    } catch (const morvane::sdl::SdlError& error) {
        std::cerr << "morvane-player: cannot open the window: " << error.what() << '\n';
        return 2;
    }
    return player->Run(std::move(script), std::cerr);
}
