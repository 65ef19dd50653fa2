#include <gtest/gtest.h>

#include <cmath>

#include "media/volume_mapping.h"

namespace morvane {
namespace {

TEST(VolumeMappingTest, HundredthsOfADecibelBecomeAmplitudes) {
    EXPECT_EQ(VolumeToAmplitude(0, 128), 128);
    EXPECT_EQ(VolumeToAmplitude(2500, 128), 128);
    EXPECT_EQ(VolumeToAmplitude(-10000, 128), 0);
    EXPECT_EQ(VolumeToAmplitude(-32000, 128), 0);
    // Six decibels down is half the amplitude, twenty a tenth.
    EXPECT_NEAR(VolumeToAmplitude(-600, 128), 64, 1);
    EXPECT_NEAR(VolumeToAmplitude(-2000, 255), 25.5, 1);
    int previous = 0;
    for (Long level = -10000; level <= 0; level += 50) {
        const int amplitude = VolumeToAmplitude(level, 128);
        EXPECT_GE(amplitude, previous) << level;
        previous = amplitude;
    }
}

TEST(VolumeMappingTest, APanQuietensTheOtherSide) {
    EXPECT_EQ(PanToGains(0, 255).left, 255);
    EXPECT_EQ(PanToGains(0, 255).right, 255);
    EXPECT_EQ(PanToGains(-10000, 255).left, 255);
    EXPECT_EQ(PanToGains(-10000, 255).right, 0);
    EXPECT_EQ(PanToGains(20000, 255).left, 0);
    EXPECT_EQ(PanToGains(20000, 255).right, 255);
    const StereoGains left_half = PanToGains(-600, 255);
    EXPECT_EQ(left_half.left, 255);
    EXPECT_NEAR(left_half.right, 128, 1);
    const StereoGains right_half = PanToGains(600, 255);
    EXPECT_EQ(right_half.left, left_half.right);
    EXPECT_EQ(right_half.right, 255);
}

}  // namespace
}  // namespace morvane
