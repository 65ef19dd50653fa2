#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "player/player_options.h"

namespace morvane {

// One option of the player, shared by the command line ("--name", "--name VALUE",
// "--name=VALUE") and the settings file ("name = VALUE").
struct OptionEntry {
    enum class Kind { kSwitch, kValue };

    std::string_view name;
    char short_name;  // 0: none
    Kind kind;
    // Whether the settings file may set it (the game folder, headless runs and scripts belong
    // to one run only).
    bool in_settings_file;
    std::string_view value_name;  // for --help: "FILE", "0..100", ...
    std::string_view help;
    // Applies the option; a switch gets "true" or "false". Returns what is wrong with the
    // value, or nothing.
    std::optional<std::string> (*apply)(PlayerOptions& options, std::string_view value);
};

std::span<const OptionEntry> PlayerOptionTable();

// The option named `name` (long, without dashes), or nullptr.
const OptionEntry* FindOption(std::string_view name);

// "true", "yes", "on", "1" and their opposites; nothing for any other word.
std::optional<bool> ParseSwitchValue(std::string_view value);

}  // namespace morvane
