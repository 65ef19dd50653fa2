#pragma once

#include "base/integer.h"

namespace morvane {

// The game's volumes and pans are hundredths of a decibel, as the Windows sound engines read
// them: volume 0 is full and -10000 silence; pan -10000 is the left side only, 10000 the right
// side only, and a pan quietens the other side by that many hundredths. Values beyond those
// ends count as the ends. Mixers that scale linearly get the matching amplitude.

// The volume as an amplitude from 0 (silent) to `full`.
int VolumeToAmplitude(Long hundredths_of_db, int full);

struct StereoGains {
    int left = 0;
    int right = 0;
};

// The pan as the amplitude of each side, from 0 to `full`.
StereoGains PanToGains(Long pan, int full);

}  // namespace morvane
