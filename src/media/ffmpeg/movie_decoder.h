#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "media/ffmpeg/ffmpeg_handles.h"
#include "platform/clock.h"
#include "platform/picture.h"

namespace morvane::ffmpeg {

// Reads one AVI file: its video frames as pictures, at the moment each is due, and its sound
// as 16-bit stereo samples at MovieAudio's rate, handed out as the file is read. Decoding
// happens only when asked for, on the caller's thread, and only the newest due frame is
// converted to a picture, so a player that falls behind skips frames instead of piling up work.
class MovieDecoder {
  public:
    // FFmpeg reports every oddity of a file on the console; the player reports failures its
    // own way, so it keeps FFmpeg quiet for the whole process.
    static void QuietLibraryLog();

    using SoundSink = std::function<void(std::span<const int16_t> samples)>;

    // Raises 321 when the file cannot be read as a movie (no video stream, a codec we lack, a
    // size no window could show).
    MovieDecoder(const std::filesystem::path& file, SoundSink sound);
    MovieDecoder(const MovieDecoder&) = delete;
    MovieDecoder& operator=(const MovieDecoder&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // From the start to the end of the movie, rounded up to whole milliseconds; at least 1.
    TimeMs Duration() const { return duration_; }

    // Reads on until the frame due at `position` (ms from the start) is decoded. Returns it
    // as a picture when it is a different frame from the one returned before, else nothing.
    PicturePtr FrameAt(TimeMs position);
    // When the next frame after the current one is due; nothing when the video has ended.
    std::optional<TimeMs> NextFrameTime();

    // Reads on until the sound up to `until` (ms from the start) is handed out, keeping the
    // video read on the way for its time, so the sound device never runs dry waiting for the
    // pictures.
    void ReadSoundAhead(TimeMs until);

    // Back to the start of the movie.
    void Rewind();

  private:
    bool ReadNextVideoFrame();
    void ReadPacket();
    TimeMs SoundRead() const;
    void DecodeSound(const AVPacket& packet);
    void ReceiveSound();
    TimeMs FrameTime(const AVFrame& frame);
    PicturePtr Convert(const AVFrame& frame);

    std::string name_;
    FormatHandle format_;
    CodecHandle video_;
    CodecHandle sound_;
    int video_stream_ = -1;
    int sound_stream_ = -1;
    int width_ = 0;
    int height_ = 0;
    TimeMs duration_ = 1;
    TimeMs frame_ms_ = 100;
    SoundSink sound_sink_;
    PacketHandle packet_;
    // The decoded frame not yet due, read ahead to learn its time.
    FrameHandle ahead_;
    bool have_ahead_ = false;
    FrameHandle due_;
    bool video_ended_ = false;
    bool flushed_ = false;
    bool input_ended_ = false;
    std::deque<PacketHandle> video_packets_;
    uint64_t sound_samples_ = 0;
    bool shown_ = false;
    int64_t frames_read_ = 0;
    ScaleHandle scale_;
    ResampleHandle resample_;
    FrameHandle sound_frame_;
};

}  // namespace morvane::ffmpeg
