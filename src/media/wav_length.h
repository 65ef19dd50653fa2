#pragma once

#include <filesystem>

#include "platform/clock.h"

namespace morvane {

// How long a WAV file plays, in milliseconds: its sound data divided by the average bytes per
// second its format states, which holds for PCM and for the ADPCM formats alike. Sound data
// cut short by the end of the file counts only as far as it goes. Raises 53 when the file is
// missing and 321 when it is not a WAV file with a format and a data chunk. Rounds up, so a
// sound is never over before its last sample.
TimeMs WavLength(const std::filesystem::path& file);

}  // namespace morvane
