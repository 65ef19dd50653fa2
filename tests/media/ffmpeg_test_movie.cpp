#include "media/ffmpeg_test_movie.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "media/ffmpeg/movie_writer.h"

namespace morvane::testing {
namespace {

constexpr int kSoundRate = 22050;

}  // namespace

void WriteTestMovie(const std::filesystem::path& file, const TestMovie& movie) {
    MovieFormat format;
    format.video = movie.video;
    format.sound = movie.sound;
    format.width = movie.width;
    format.height = movie.height;
    format.frames_per_second = movie.frames_per_second;
    format.sound_rate = kSoundRate;
    MovieWriter writer(file, format);

    const int samples_per_frame = kSoundRate / movie.frames_per_second;
    std::vector<uint8_t> picture(static_cast<std::size_t>(movie.width) * movie.height * 3);
    std::vector<int16_t> sound(static_cast<std::size_t>(samples_per_frame));
    int64_t sound_written = 0;
    for (int k = 0; k < movie.frames; ++k) {
        if (movie.video != TestMovie::Video::kNone) {
            std::fill(picture.begin(), picture.end(), GreyOfFrame(k));
            writer.AddPicture(picture);
        }
        if (movie.sound != TestMovie::Sound::kNone) {
            // A square wave: 441 Hz at this rate.
            for (auto& sample : sound) {
                sample = static_cast<int16_t>((sound_written++ / 25) % 2 == 0 ? 4000 : -4000);
            }
            writer.AddSound(sound);
        }
    }
    writer.Finish();
}

}  // namespace morvane::testing
