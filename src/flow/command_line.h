#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

// How the player was started:
//   morvane-player [GAME_FOLDER] [--headless] [--script FILE|-] [--strict] [--log]
//                  [--trace-media]
struct PlayerOptions {
    // Empty: the folder of the executable, the game the player is installed in.
    std::filesystem::path game_folder;
    // No window, no audio device, a virtual clock.
    bool headless = false;
    // A walkthrough script to play as the user; "-" reads it from standard input.
    std::optional<std::string> script;
    // The script run fails on anything an author should fix: a control it cannot reach, an
    // error message box, a run-time error.
    bool strict = false;
    // Logging is on from the start.
    bool log = false;
    // Media lines on standard output too.
    bool trace_media = false;
};

struct CommandLineResult {
    std::optional<PlayerOptions> options;
    std::string error;  // when options is empty
};

CommandLineResult ParseCommandLine(const std::vector<std::string>& arguments);

// One line saying how to start the player.
std::string Usage();

}  // namespace morvane
