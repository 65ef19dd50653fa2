#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace morvane {

// What a movie file written by `MovieWriter` holds. Cinepak needs sizes that are multiples of
// 4, MJPEG and MS Video 1 even sizes.
struct MovieFormat {
    enum class Video { kNone, kMjpeg, kRaw, kCinepak, kMsVideo1 };
    enum class Sound { kNone, kPcm, kMsAdpcm, kImaAdpcm, kMp3 };

    Video video = Video::kCinepak;
    Sound sound = Sound::kPcm;
    int width = 160;
    int height = 120;
    int frames_per_second = 10;
    int sound_rate = 22050;  // mono
};

// Writes movies with FFmpeg's own encoders: an AVI of pictures and sound, or, for a file whose
// name ends in ".mp3" and a format of MP3 sound without pictures, a bare MPEG audio stream with
// no tags. The output is bit-exact, so the same input gives the same bytes on every run.
// Every failure throws std::runtime_error naming what could not be done.
class MovieWriter {
  public:
    MovieWriter(const std::filesystem::path& file, const MovieFormat& format);
    ~MovieWriter();
    MovieWriter(const MovieWriter&) = delete;
    MovieWriter& operator=(const MovieWriter&) = delete;

    // The next picture: width x height pixels of three bytes (red, green, blue), row by row.
    void AddPicture(std::span<const uint8_t> rgb);
    // More mono sound. Encoders that take whole frames of a fixed size get them as the
    // samples come in; the rest waits for more or for `Finish`. Callers keep sound and
    // pictures roughly in step (a picture, then the sound of its time), so that the file is
    // interleaved as players expect.
    void AddSound(std::span<const int16_t> samples);
    // Encodes what is left and completes the file. A writer not finished leaves a file that
    // is not playable.
    void Finish();

    // Whether FFmpeg here can encode `video` and `sound`.
    static bool CanEncode(MovieFormat::Video video, MovieFormat::Sound sound);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace morvane
