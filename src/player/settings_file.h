#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "player/player_options.h"

namespace morvane {

// $XDG_CONFIG_HOME/morvane-player/settings.ini, or ~/.config/morvane-player/settings.ini.
std::filesystem::path SettingsFilePath(const EnvironmentLookup& environment);

struct SettingsResult {
    PlayerOptions options;
    // One line for each line that was ignored: "FILE:LINE: problem (line ignored)".
    std::vector<std::string> warnings;
};

// Reads "name = value" lines over `base`: the long option names, switches with true/false
// (yes/no, on/off, 1/0). Blank lines, lines starting with '#' or ';' and "[section]" headers
// are skipped; a line that says nothing the player knows is reported and ignored, never fatal.
// `source` names the file in the warnings.
SettingsResult ReadSettings(std::istream& in, const std::string& source, const PlayerOptions& base);
// The same for a file; a missing file is no settings and no warning.
SettingsResult ReadSettingsFile(const std::filesystem::path& file, const PlayerOptions& base);

}  // namespace morvane
