#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/movie_engine_fixture.h"
#include "support/runtime_errors.h"

namespace morvane {
namespace {

using testing::ErrorNumberOf;
using testing::GreyOfFrame;
using testing::TestMovie;

// What FFmpeg adds to every movie engine (movie_engine_contract_test.cpp): the frames shown, the
// sound handed to the device and the game's codecs. The main window's movie control on the
// virtual clock, its sound device on SDL's dummy driver.
class FfmpegMovieTest : public testing::MovieEngineTest<testing::FfmpegMovies> {
  protected:
    // The grey level the control shows at its centre; -1 when it shows nothing.
    int ShownGrey() const {
        const PicturePtr& frame = movie_->Picture();
        if (!frame) {
            return -1;
        }
        std::vector<uint32_t> pixels(static_cast<std::size_t>(frame->Width()) * frame->Height());
        frame->CopyFrameArgb(0, pixels.data());
        const uint32_t pixel =
            pixels[static_cast<std::size_t>(frame->Height() / 2) * frame->Width() +
                   static_cast<std::size_t>(frame->Width() / 2)];
        EXPECT_EQ(pixel >> 24, 0xFFu);
        return static_cast<int>((pixel >> 8) & 0xFF);
    }

    // Whether the control shows frame `k`. Lossy codecs keep greys to within a few levels, and
    // 5-bit colour (MS Video 1) to within 8.
    bool ShowsFrame(int k, int tolerance = 4) const {
        return std::abs(ShownGrey() - GreyOfFrame(k)) <= tolerance;
    }

    ffmpeg::MovieAudio& audio_ = movies_.audio;
};

TEST_F(FfmpegMovieTest, OpeningShowsTheFirstFrameAndStandsStill) {
    movie_->SetFileName(Movie("intro.avi"));
    ASSERT_TRUE(movie_->Picture());
    EXPECT_EQ(movie_->Picture()->Width(), 64);
    EXPECT_TRUE(ShowsFrame(0)) << ShownGrey();
    // Standing still, it neither moves on nor queues its sound.
    Pass(500);
    EXPECT_TRUE(ShowsFrame(0));
    EXPECT_EQ(audio_.SamplesQueued(), 0u);
    EXPECT_TRUE(events_.empty());
}

TEST_F(FfmpegMovieTest, FramesFollowTheClockAndStopHoldsThem) {
    for (const auto video : {TestMovie::Video::kMjpeg, TestMovie::Video::kRaw}) {
        SCOPED_TRACE(video == TestMovie::Video::kRaw ? "raw" : "mjpeg");
        events_.clear();
        TestMovie movie_shape;
        movie_shape.video = video;
        const TimeMs start = runtime_.clock.Now();
        movie_->SetFileName(
            Movie(video == TestMovie::Video::kRaw ? "raw.avi" : "mjpeg.avi", movie_shape));
        movie_->SetCommand("play");
        Pass(350);
        EXPECT_TRUE(ShowsFrame(3)) << ShownGrey();
        Pass(300);
        EXPECT_TRUE(ShowsFrame(6)) << ShownGrey();
        movie_->SetCommand("stop");
        Pass(1000);
        EXPECT_TRUE(ShowsFrame(6)) << ShownGrey();
        // Played on, it runs the rest of its second and ends on its last frame.
        movie_->SetCommand("play");
        Pass(349);
        EXPECT_EQ(movie_->Mode(), "playing");
        Pass(1);
        EXPECT_EQ(movie_->Mode(), "stopped");
        runtime_.loop.PumpEvents();
        EXPECT_TRUE(ShowsFrame(9)) << ShownGrey();
        const auto at = [start](TimeMs ms) { return std::to_string(start + ms); };
        EXPECT_EQ(events_, (std::vector<std::string>{at(0) + " playing", at(0) + " 526",
                                                     at(650) + " stopped", at(650) + " 525",
                                                     at(1650) + " playing", at(1650) + " 526",
                                                     at(2000) + " stopped", at(2000) + " 525"}));
    }
}

TEST_F(FfmpegMovieTest, PlayingAfterTheEndStartsOverWithItsSound) {
    movie_->SetFileName(Movie("loop.avi"));
    const auto second = static_cast<uint64_t>(ffmpeg::MovieAudio::kFrequency) * 2;
    movie_->SetCommand("play");
    // The device gets the sound of the next moments before they are due.
    EXPECT_GE(audio_.SamplesQueued(), second / 4);
    EXPECT_LT(audio_.SamplesQueued(), second / 2);
    ASSERT_TRUE(runtime_.loop.WaitUntil([&] { return movie_->Mode() == "stopped"; }, 5000));
    // One second of the movie's sound, at the device's rate in stereo; the resampler may keep
    // back a few samples of the end.
    EXPECT_GT(audio_.SamplesQueued(), second * 98 / 100);
    EXPECT_LE(audio_.SamplesQueued(), second);

    movie_->SetCommand("play");
    EXPECT_TRUE(ShowsFrame(0)) << ShownGrey();
    Pass(150);
    EXPECT_TRUE(ShowsFrame(1)) << ShownGrey();
    ASSERT_TRUE(runtime_.loop.WaitUntil([&] { return movie_->Mode() == "stopped"; }, 5000));
    EXPECT_GT(audio_.SamplesQueued(), 2 * second * 98 / 100);
}

TEST_F(FfmpegMovieTest, TheGamesCodecsPlayWithTheirSound) {
    using Video = TestMovie::Video;
    using Sound = TestMovie::Sound;
    const struct {
        Video video;
        Sound sound;
        const char* name;
        int tolerance;
    } movies[] = {{Video::kCinepak, Sound::kMsAdpcm, "cinepak.avi", 4},
                  {Video::kMsVideo1, Sound::kImaAdpcm, "msvideo1.avi", 8},
                  {Video::kMjpeg, Sound::kMp3, "mp3.avi", 4}};
    for (const auto& each : movies) {
        SCOPED_TRACE(each.name);
        TestMovie movie_shape;
        movie_shape.video = each.video;
        movie_shape.sound = each.sound;
        movie_->SetFileName(Movie(each.name, movie_shape));
        // Sound codecs of a fixed frame size may run a little past the pictures.
        EXPECT_GE(movie_->MovieLength(), 1000);
        EXPECT_LE(movie_->MovieLength(), 1100);
        const uint64_t queued = audio_.SamplesQueued();
        movie_->SetCommand("play");
        Pass(350);
        EXPECT_TRUE(ShowsFrame(3, each.tolerance)) << ShownGrey();
        Pass(movie_->MovieLength());
        EXPECT_EQ(movie_->Mode(), "stopped");
        EXPECT_TRUE(ShowsFrame(9, each.tolerance)) << ShownGrey();
        EXPECT_GT(audio_.SamplesQueued() - queued,
                  static_cast<uint64_t>(ffmpeg::MovieAudio::kFrequency) * 2 * 9 / 10);
    }
}

TEST_F(FfmpegMovieTest, AMovieWithoutSoundPlaysSilent) {
    TestMovie movie_shape;
    movie_shape.sound = TestMovie::Sound::kNone;
    movie_->SetFileName(Movie("silent.avi", movie_shape));
    EXPECT_EQ(movie_->MovieLength(), 1000);
    movie_->SetCommand("play");
    Pass(1000);
    EXPECT_EQ(movie_->Mode(), "stopped");
    EXPECT_EQ(audio_.SamplesQueued(), 0u);
}

TEST_F(FfmpegMovieTest, MoviesWithoutPicturesOrCutShortFailCleanly) {
    TestMovie sound_only;
    sound_only.video = TestMovie::Video::kNone;
    const std::string path = Movie("sound.avi", sound_only);
    EXPECT_EQ(ErrorNumberOf([&] { movie_->SetFileName(path); }), 321);
    EXPECT_EQ(movie_->Mode(), "not ready");
    EXPECT_EQ(movie_->FileName(), "");
    EXPECT_FALSE(movie_->Picture());

    // A movie cut short plays what it has and still ends after the length it states.
    testing::WriteTestMovie(folder_.Path() / "whole.avi", {});
    const std::string whole = testing::ReadWholeFile(folder_.Path() / "whole.avi");
    folder_.Write("resource/mmedia/cut.avi", whole.substr(0, whole.size() / 2));
    const int opened = ErrorNumberOf(
        [&] { movie_->SetFileName(paths_.GameFolder() + "resource\\mmedia\\cut.avi"); });
    if (opened == 0) {
        movie_->SetCommand("play");
        EXPECT_TRUE(runtime_.loop.WaitUntil([&] { return movie_->Mode() == "stopped"; },
                                            movie_->MovieLength() + 1));
    } else {
        EXPECT_EQ(opened, 321);
    }
}

}  // namespace
}  // namespace morvane
