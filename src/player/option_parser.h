#pragma once

#include <optional>
#include <string>
#include <vector>

#include "player/player_options.h"

namespace morvane {

// What the command line asks for.
struct CommandLine {
    enum class Action { kRun, kHelp, kVersion, kError };
    Action action = Action::kRun;
    PlayerOptions options;
    // For kError: one line naming the problem.
    std::string error;
};

// Reads the arguments (without the program's name) in the usual GNU way over `base` (the
// settings file's options): "--name", "--name VALUE", "--name=VALUE", short switches "-f",
// "-fm", "--" ending the options, and one game folder anywhere. --help and --version win over
// everything after them is read; the first problem ends the reading.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const PlayerOptions& base = {});

// What is wrong with options that cannot go together (--record or --continue with --headless,
// --continue without --script), as one line; nothing when they can.
std::optional<std::string> ConflictingOptions(const PlayerOptions& options);

// The text of --help (several lines, ending in a newline).
std::string HelpText();
// The line of --version.
std::string VersionText();
// The line that follows an error: where to read how to start the player.
std::string HelpHint();

}  // namespace morvane
