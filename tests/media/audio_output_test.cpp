#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "media/ffmpeg/ffmpeg_movie_engine.h"
#include "media/ffmpeg/movie_audio.h"
#include "media/ffmpeg_test_movie.h"
#include "media/sdl/sdl_audio.h"
#include "media/sdl/sdl_music_device.h"
#include "media/sdl/sdl_sound_device.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/game_paths.h"
#include "platform/message_box_headless.h"
#include "platform/movie_control.h"
#include "platform/window.h"
#include "support/media_files.h"
#include "support/music_files.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// A WAV of a loud square wave, `seconds` long, 8-bit mono at 8000 Hz.
std::string SquareWav(int seconds) {
    std::string data(8000U * static_cast<std::size_t>(seconds), '\0');
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<char>((i / 10) % 2 == 0 ? 0xE0 : 0x20);
    }
    return testing::Riff("WAVE", testing::FormatChunk({}) + testing::Chunk("data", data));
}

// One middle C held for eight quarters (four seconds) on the piano.
std::string LongNoteMidi() {
    return testing::MidiFile(testing::MidiTrack(std::string("\x00\xC0\x00", 3) +
                                                std::string("\x00\x90\x3C\x7F", 4) +
                                                std::string("\x86\x00\x80\x3C\x40", 5)));
}

// The player's one audio output on SDL's "disk" driver, which writes the final mix to a file
// in real time: what reaches the file is what a sound card would play.
class AudioOutputTest : public ::testing::Test {
  protected:
    AudioOutputTest() {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
        audio_ = std::make_unique<SdlAudio>();
        desktop_.SetMovieEngine(&movie_engine_);
        window_.Show();
    }
    ~AudioOutputTest() override {
        movie_.reset();
        music_.reset();
        sound_.reset();
        audio_.reset();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    // The loudest sample written to the output over the next `ms` of real time, the game's loop
    // running meanwhile. The first 150 ms are let pass, so what was mixed before is not counted.
    int PeakOver(int ms) {
        Run(150);
        const auto start = std::filesystem::file_size(output_);
        Run(ms);
        std::ifstream in(output_, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(start));
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
        int peak = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            int16_t sample = 0;
            std::memcpy(&sample, &bytes[i], 2);
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        EXPECT_GT(bytes.size(), 44100U * 4 * static_cast<unsigned>(ms) / 1000 / 2);
        return peak;
    }

    void Run(int ms) {
        const Uint64 end = SDL_GetTicks64() + static_cast<Uint64>(ms);
        while (SDL_GetTicks64() < end) {
            loop_.PumpEvents();
            SDL_Delay(5);
        }
    }

    void PlayEverything() {
        sound_->Play(3, "tone.wav", folder_.Write("tone.wav", SquareWav(10)), true);
        music_->PlayMidi("long.mid", folder_.Write("long.mid", LongNoteMidi()), 0);
        PlayMovie();
    }

    void PlayMovie() {
        testing::TestMovie shape;
        shape.frames = 40;
        shape.video = testing::TestMovie::Video::kRaw;
        testing::WriteTestMovie(folder_.Path() / "resource" / "mmedia" / "m.avi", shape);
        movie_ = std::make_unique<MovieControl>(window_, "MovieWindow");
        movie_->SetFileName(paths_.GameFolder() + "resource\\mmedia\\m.avi");
        movie_->SetCommand("play");
    }

    void StopEverything() {
        sound_->Stop(3);
        music_->StopMidi();
        movie_.reset();
    }

    testing::TempFolder folder_;
    std::filesystem::path output_ = folder_.Path() / "mix.raw";
    GamePaths paths_{folder_.Path()};
    SystemClock clock_;
    EventLoop loop_{clock_};
    std::ostringstream boxes_;
    HeadlessMessageBox message_box_{boxes_};
    MemoryClipboard clipboard_;
    Desktop desktop_{loop_, message_box_, clipboard_};
    Window window_{desktop_, "Main"};
    std::unique_ptr<SdlAudio> audio_;
    ffmpeg::MovieAudio movie_audio_{nullptr};
    FfmpegMovieEngine movie_engine_{loop_, paths_, &movie_audio_};
    std::unique_ptr<SdlSoundDevice> sound_;
    std::unique_ptr<SdlMusicDevice> music_;
    std::unique_ptr<MovieControl> movie_;
};

TEST_F(AudioOutputTest, WavMidiAndAMoviesSoundReachTheOneOutputAndMuteSilencesThem) {
    const std::filesystem::path soundfont = SdlMusicDevice::kDefaultSoundFont;
    if (!std::filesystem::exists(soundfont)) {
        GTEST_SKIP() << "no soundfont at " << soundfont;
    }
    // The movies' sound goes into the mixer's output, not to a device of its own.
    ffmpeg::MovieAudio movie_audio(&audio_->MovieSound());
    FfmpegMovieEngine engine(loop_, paths_, &movie_audio);
    desktop_.SetMovieEngine(&engine);
    sound_ = std::make_unique<SdlSoundDevice>(loop_, *audio_);
    music_ = std::make_unique<SdlMusicDevice>(*audio_, soundfont);

    EXPECT_LT(PeakOver(200), 50) << "silence before anything plays";

    sound_->Play(3, "tone.wav", folder_.Write("tone.wav", SquareWav(10)), true);
    EXPECT_GT(PeakOver(300), 2000) << "WAV";
    sound_->Stop(3);
    EXPECT_LT(PeakOver(200), 50);

    music_->PlayMidi("long.mid", folder_.Write("long.mid", LongNoteMidi()), 0);
    EXPECT_GT(PeakOver(300), 300) << "MIDI";
    music_->StopMidi();
    EXPECT_LT(PeakOver(200), 50);

    PlayMovie();
    EXPECT_GT(PeakOver(300), 2000) << "movie";
    EXPECT_EQ(movie_->Mode(), "playing");
    movie_.reset();
    EXPECT_LT(PeakOver(200), 50);

    // Muted, all three play on for the game and nothing is heard.
    audio_->SetMuted(true);
    PlayEverything();
    EXPECT_EQ(PeakOver(400), 0) << "muted";
    EXPECT_EQ(sound_->Playing(3), "tone.wav");
    EXPECT_EQ(music_->PlayingMidi(), "long.mid");

    // Unmuted at half volume, they are heard again, more quietly.
    audio_->SetMuted(false);
    const int full = PeakOver(300);
    audio_->SetMasterVolume(50);
    const int half = PeakOver(300);
    EXPECT_GT(half, 1000);
    EXPECT_LT(half, full * 6 / 10);
    StopEverything();
    desktop_.SetMovieEngine(&movie_engine_);
}

TEST_F(AudioOutputTest, WithoutASoundfontMidiIsSilentButPlaysOnForTheGame) {
    SdlMusicDevice music(*audio_, std::nullopt);
    music.PlayMidi("long.mid", folder_.Write("long.mid", LongNoteMidi()), 0);
    EXPECT_EQ(music.PlayingMidi(), "long.mid");
    EXPECT_EQ(PeakOver(300), 0);
    music.StopMidi();
    EXPECT_EQ(music.PlayingMidi(), std::nullopt);
    EXPECT_THROW(music.PlayMidi("gone.mid", folder_.Path() / "gone.mid", 0), RuntimeError);
}

}  // namespace
}  // namespace morvane
