// The movie writer the tests and the demo's asset program share: what it writes is what the
// player reads, the same input always gives the same bytes, and misuse is refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/avi_info.h"
#include "media/ffmpeg/movie_writer.h"
#include "media/music_check.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using Video = MovieFormat::Video;
using Sound = MovieFormat::Sound;

// Five pictures of a diagonal colour ramp and a fifth of a second of a falling saw tone.
void WriteSample(const std::filesystem::path& file, const MovieFormat& format) {
    MovieWriter writer(file, format);
    std::vector<uint8_t> picture(static_cast<std::size_t>(format.width) * format.height * 3);
    std::vector<int16_t> sound(static_cast<std::size_t>(format.sound_rate / 25));
    for (int k = 0; k < 5; ++k) {
        if (format.video != Video::kNone) {
            for (std::size_t i = 0; i < picture.size(); ++i) {
                picture[i] = static_cast<uint8_t>(i / 3 % 251 + 40 * k);
            }
            writer.AddPicture(picture);
        }
        if (format.sound != Sound::kNone) {
            for (std::size_t i = 0; i < sound.size(); ++i) {
                sound[i] = static_cast<int16_t>(8000 - static_cast<int>(i % 100) * 160);
            }
            writer.AddSound(sound);
        }
    }
    writer.Finish();
}

TEST(MovieWriterTest, MoviesOfEveryCodecHaveTheirShapeAndLengthAndComeOutTheSameTwice) {
    const struct {
        Video video;
        Sound sound;
    } cases[] = {
        {Video::kCinepak, Sound::kImaAdpcm}, {Video::kMsVideo1, Sound::kPcm},
        {Video::kMjpeg, Sound::kMsAdpcm},    {Video::kRaw, Sound::kNone},
        {Video::kCinepak, Sound::kMp3},
    };
    testing::TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.video) * 10 + static_cast<int>(c.sound));
        MovieFormat format;
        format.video = c.video;
        format.sound = c.sound;
        format.width = 48;
        format.height = 32;
        format.frames_per_second = 10;
        WriteSample(folder.Path() / "first.avi", format);
        WriteSample(folder.Path() / "second.avi", format);
        const AviInfo info = ReadAviInfo(folder.Path() / "first.avi");
        EXPECT_EQ(info.width, 48);
        EXPECT_EQ(info.height, 32);
        EXPECT_EQ(info.duration, 500);
        EXPECT_EQ(testing::ReadWholeFile(folder.Path() / "first.avi"),
                  testing::ReadWholeFile(folder.Path() / "second.avi"));
    }
}

TEST(MovieWriterTest, MusicAloneInAFileNamedMp3IsABareMpegOneLayerThreeStream) {
    testing::TempFolder folder;
    MovieFormat format;
    format.video = Video::kNone;
    format.sound = Sound::kMp3;
    format.sound_rate = 44100;
    const auto file = folder.Path() / "song.mp3";
    WriteSample(file, format);
    const std::string bytes = testing::ReadWholeFile(file);
    ASSERT_GE(bytes.size(), 4U);
    // No ID3 tag: the first frame starts the file, MPEG-1 Layer III.
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]) & 0xFE, 0xFA);
    EXPECT_EQ(CheckMp3(bytes), MusicCheck::kPlayable);
}

TEST(MovieWriterTest, RefusesPicturesOfTheWrongSizeAndMoviesOfNothing) {
    testing::TempFolder folder;
    MovieFormat format;
    format.width = 16;
    format.height = 16;
    MovieWriter writer(folder.Path() / "movie.avi", format);
    EXPECT_THROW(writer.AddPicture(std::vector<uint8_t>(15 * 16 * 3)), std::invalid_argument);
    writer.Finish();
    EXPECT_THROW(writer.AddPicture(std::vector<uint8_t>(16 * 16 * 3)), std::logic_error);

    MovieFormat nothing;
    nothing.video = Video::kNone;
    nothing.sound = Sound::kNone;
    EXPECT_THROW(MovieWriter(folder.Path() / "empty.avi", nothing), std::runtime_error);
}

}  // namespace
}  // namespace morvane
