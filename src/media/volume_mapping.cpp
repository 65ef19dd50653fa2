#include "media/volume_mapping.h"

#include <algorithm>
#include <cmath>

namespace morvane {
namespace {

constexpr Long kSilence = -10000;

}  // namespace

int VolumeToAmplitude(Long hundredths_of_db, int full) {
    const Long level = std::clamp<Long>(hundredths_of_db, kSilence, 0);
    if (level == kSilence) {
        return 0;
    }
    // Hundredths of a decibel to an amplitude ratio: 10 ^ (dB / 20) = 10 ^ (level / 2000).
    const double ratio = std::pow(10.0, static_cast<double>(level) / 2000.0);
    return static_cast<int>(std::lround(ratio * full));
}

StereoGains PanToGains(Long pan, int full) {
    const Long side = std::clamp<Long>(pan, kSilence, -kSilence);
    if (side < 0) {
        return {full, VolumeToAmplitude(side, full)};
    }
    return {VolumeToAmplitude(-side, full), full};
}

}  // namespace morvane
