#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/runtime_error.h"
#include "media/avi_info.h"
#include "media/wav_length.h"
#include "support/media_files.h"
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::Avi;
using testing::AviHeader;
using testing::Chunk;
using testing::FormatChunk;
using testing::List;
using testing::Riff;
using testing::Wav;
using testing::WavFormat;

using testing::ErrorNumberOf;

class MediaFilesTest : public ::testing::Test {
  protected:
    std::filesystem::path Write(const std::string& bytes) {
        return folder_.Write("f" + std::to_string(++count_), bytes);
    }

    testing::TempFolder folder_;
    int count_ = 0;
};

// Half a second of sound in each format, whatever its rate, sample size and compression.
TEST_F(MediaFilesTest, WavLengthIsTheDataOverTheAverageRate) {
    const WavFormat pcm_stereo{1, 2, 22050, 88200, 4, 16};
    EXPECT_EQ(WavLength(Write(Wav(pcm_stereo, 88200 / 2))), 500);

    const WavFormat pcm_mono{1, 1, 11025, 11025, 1, 8};
    EXPECT_EQ(WavLength(Write(Wav(pcm_mono, 11025 * 3))), 3000);

    // MS ADPCM at 22050 Hz mono states 11155 bytes a second in its header.
    const WavFormat ms_adpcm{2, 1, 22050, 11155, 512, 4};
    EXPECT_EQ(WavLength(Write(Wav(ms_adpcm, 11155 * 2))), 2000);

    const WavFormat ima_adpcm{0x11, 1, 8000, 4055, 256, 4};
    EXPECT_EQ(WavLength(Write(Wav(ima_adpcm, 4055))), 1000);
}

TEST_F(MediaFilesTest, WavLengthRoundsUpToTheLastSample) {
    const WavFormat format{1, 1, 8000, 8000, 1, 8};
    EXPECT_EQ(WavLength(Write(Wav(format, 8001))), 1001);
    EXPECT_EQ(WavLength(Write(Wav(format, 0))), 0);
}

TEST_F(MediaFilesTest, WavChunksBeforeTheDataAndOddSizesAreSteppedOver) {
    const WavFormat format{1, 1, 8000, 8000, 1, 8};
    const std::string info = List("INFO", Chunk("INAM", "odd"));
    const std::string file =
        Riff("WAVE", Chunk("junk", "x") + testing::FormatChunk(format) + info +
                         Chunk("data", std::string(4000, '\x80')) + Chunk("cue ", ""));
    EXPECT_EQ(WavLength(Write(file)), 500);
}

TEST_F(MediaFilesTest, WavDataCutShortCountsOnlyWhatTheFileHolds) {
    const WavFormat format{1, 1, 8000, 8000, 1, 8};
    const std::string whole = Wav(format, 8000);
    EXPECT_EQ(WavLength(Write(whole.substr(0, whole.size() - 4000))), 500);

    // A data chunk that claims the largest size, as streaming writers leave it.
    std::string streaming = whole;
    streaming.replace(streaming.find("data") + 4, 4, testing::U32(0xFFFFFFFF));
    EXPECT_EQ(WavLength(Write(streaming)), 1000);
}

TEST_F(MediaFilesTest, WavFilesThatCannotPlayFailWithTheirErrors) {
    const WavFormat format{1, 1, 8000, 8000, 1, 8};
    WavFormat silent_rate = format;
    silent_rate.bytes_per_second = 0;
    EXPECT_EQ(ErrorNumberOf([&] { WavLength(folder_.Path() / "missing.wav"); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] { WavLength(folder_.Path()); }), 53);
    for (const std::string& bytes :
         {std::string(), std::string("RIFF"), Riff("AVI ", ""), Riff("WAVE", FormatChunk(format)),
          Riff("WAVE", Chunk("data", std::string(100, '\0'))), Wav(silent_rate, 100)}) {
        EXPECT_EQ(ErrorNumberOf([&] { WavLength(Write(bytes)); }), 321) << bytes;
    }
}

TEST_F(MediaFilesTest, AviMainHeaderGivesSizeAndDuration) {
    // 15 frames at 15 a second: one second; 25 frames of 40 ms: one second at PAL speed.
    const AviInfo fifteen = ReadAviInfo(Write(Avi({66667, 15, 320, 240})));
    EXPECT_EQ(fifteen.width, 320);
    EXPECT_EQ(fifteen.height, 240);
    EXPECT_EQ(fifteen.duration, 1001);

    const AviInfo pal = ReadAviInfo(Write(Avi({40000, 250, 480, 360})));
    EXPECT_EQ(pal.width, 480);
    EXPECT_EQ(pal.height, 360);
    EXPECT_EQ(pal.duration, 10000);

    const AviInfo still = ReadAviInfo(Write(Avi({40000, 0, 16, 16})));
    EXPECT_EQ(still.duration, 0);
}

TEST_F(MediaFilesTest, AviHeaderAfterOtherChunksIsFound) {
    const std::string file = Riff(
        "AVI ", Chunk("JUNK", std::string(7, '\0')) + List("INFO", Chunk("ISFT", "x")) +
                    List("hdrl", Chunk("JUNK", "") + testing::MainHeader({100000, 30, 64, 48})) +
                    List("movi", ""));
    const AviInfo info = ReadAviInfo(Write(file));
    EXPECT_EQ(info.width, 64);
    EXPECT_EQ(info.duration, 3000);
}

TEST_F(MediaFilesTest, BrokenAvisFailCleanly) {
    EXPECT_EQ(ErrorNumberOf([&] { ReadAviInfo(folder_.Path() / "missing.avi"); }), 53);
    // The last is cut off in the middle of the main header's fields.
    for (const std::string& bytes :
         {std::string("not a movie at all"), Riff("AVI ", List("movi", "")),
          Avi({40000, 25, 0, 240}), Avi({40000, 25, 320, 0xFFFFFFFF}),
          Avi({40000, 25, 320, 240}).substr(0, 40)}) {
        EXPECT_EQ(ErrorNumberOf([&] { ReadAviInfo(Write(bytes)); }), 321) << bytes;
    }
}

// Every cut of a good file and every single damaged byte in its headers gives either the
// header or error 321, and never reads beyond the file.
TEST_F(MediaFilesTest, DamagedHeadersNeverReadPastTheFile) {
    const std::string avi = Avi({40000, 25, 320, 240});
    const std::string wav = Wav({1, 1, 8000, 8000, 1, 8}, 64);
    for (const auto& [file, reader] :
         {std::pair<std::string, std::function<void(const std::filesystem::path&)>>{
              avi, [](const auto& path) { ReadAviInfo(path); }},
          {wav, [](const auto& path) { WavLength(path); }}}) {
        for (std::size_t cut = 0; cut < file.size(); ++cut) {
            const int error = ErrorNumberOf([&] { reader(Write(file.substr(0, cut))); });
            EXPECT_TRUE(error == 0 || error == 321) << "cut at " << cut << ": " << error;
        }
        for (std::size_t at = 0; at < std::min<std::size_t>(file.size(), 100); ++at) {
            for (const char value : {'\0', '\x01', '\x7F', '\xFF'}) {
                std::string damaged = file;
                damaged[at] = value;
                const int error = ErrorNumberOf([&] { reader(Write(damaged)); });
                EXPECT_TRUE(error == 0 || error == 321) << "byte " << at << ": " << error;
            }
        }
    }
}

}  // namespace
}  // namespace morvane
