#pragma once

#include <cstdint>
#include <filesystem>

#include "media/ffmpeg/movie_writer.h"

namespace morvane::testing {

// A small AVI written with FFmpeg's own encoders, so the tests need no movie files. Frame k
// is one grey level, GreyOfFrame(k); the sound is a steady tone of 22050 Hz mono samples.
// Cinepak needs sizes that are multiples of 4.
struct TestMovie {
    using Video = MovieFormat::Video;
    using Sound = MovieFormat::Sound;

    Video video = Video::kMjpeg;
    Sound sound = Sound::kPcm;
    int width = 64;
    int height = 48;
    int frames = 10;
    int frames_per_second = 10;
};

inline uint8_t GreyOfFrame(int frame) {
    return static_cast<uint8_t>(20 + 20 * frame);
}

// Throws std::runtime_error when FFmpeg cannot write the file.
void WriteTestMovie(const std::filesystem::path& file, const TestMovie& movie);

}  // namespace morvane::testing
