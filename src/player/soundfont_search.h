#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/environment.h"

namespace morvane {

// Where the distribution keeps General MIDI soundfonts, in the order they are tried.
inline constexpr const char* kSystemSoundfonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

struct SoundfontChoice {
    // Nothing: MIDI music stays silent.
    std::optional<std::filesystem::path> file;
    // At most one line for the user: a chosen soundfont that is missing, or none at all.
    std::optional<std::string> warning;
};

// The soundfont MIDI music plays with: the one the options name (the command line, else the
// settings file), then the files listed in SDL_SOUNDFONTS (separated by ';' or ':'), then the
// distribution's usual places; the first that exists wins.
SoundfontChoice FindSoundfont(const std::optional<std::filesystem::path>& chosen,
                              const EnvironmentLookup& environment,
                              const std::function<bool(const std::filesystem::path&)>& exists);

}  // namespace morvane
