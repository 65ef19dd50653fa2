#include "engine/movie_operations.h"
#include "engine/sound_operations.h"
#include "engine_fixture.h"

namespace morvane {
namespace {

class MediaOperationsTest : public testing::EngineTest {
  protected:
    MediaOperationsTest() {
        Game(R"({"scenes":[{}]})");
        Media({"song.mid", "song.wav", "song.mp3", "film.avi"});
    }
};

TEST_F(MediaOperationsTest, TheSoundtrackRestartsOnlyForAnotherFileOrARestart) {
    Soundtrack(ctx, "song.mid", -100, false);
    EXPECT_EQ(music.midi, "song.mid");
    Soundtrack(ctx, "SONG.MID", -100, false);
    EXPECT_EQ(Count("midi song.mid"), 1);
    Soundtrack(ctx, "song.mid", -500, false);
    EXPECT_EQ(Count("midi song.mid"), 1);
    EXPECT_EQ(music.midi_volume, -500);
    Soundtrack(ctx, "song.mid", -500, true);
    EXPECT_EQ(Count("midi song.mid"), 2);
    EXPECT_EQ(log, (testing::Lines{"Soundtrack changed to 'song.mid'.",
                                   "Soundtrack volume changed to '-500'.",
                                   "Soundtrack changed to 'song.mid'."}));
}

TEST_F(MediaOperationsTest, StopSoundtrackInAnyCaseSilencesTheMusic) {
    Soundtrack(ctx, "song.wav", 0, false);
    EXPECT_EQ(sound.Playing(19), "song.wav");
    Soundtrack(ctx, "(Stop SndTrk)", 0, false);
    EXPECT_EQ(sound.Playing(19), std::nullopt);
    EXPECT_EQ(state.CurrentSoundtrack, "");
    EXPECT_EQ(log.back(), "Soundtrack stopped.");
}

TEST_F(MediaOperationsTest, TheUserLearnsWhichFileOfThisMachineWasMissing) {
    std::vector<std::string> problems;
    ctx.Trace = MediaTrace({}, [&problems](const std::string& line) { problems.push_back(line); });
    const std::string media = (folder.Path() / "resource" / "mmedia").string();
    PlayWav(ctx, "gone.wav", false, 3, -2, 7);
    PlayMIDI(ctx, "sub\\gone.mid", 0);
    Soundtrack(ctx, "song.wav", 0, false);
    PlayMovie(ctx, "lost.avi", 0, false, false);
    EXPECT_EQ(problems, (testing::Lines{"file not found: " + media + "/gone.wav",
                                        "file not found: " + media + "/sub/gone.mid",
                                        "file not found: " + media + "/lost.avi"}));
    // The game's own messages keep their exact text.
    ASSERT_EQ(boxes.texts.size(), 3u);
    EXPECT_EQ(boxes.texts[0],
              "Error playing WAV file.  File 'gone.wav' - Ch3 - Pan-2 - Vol7\rErr #53 : " +
                  DescribeError(53));
}

TEST_F(MediaOperationsTest, AMovieFinishesTwoHundredMillisecondsAfterItStops) {
    state.Settings.MovieSizeMode = 1;
    PlayMovie(ctx, "film.avi", 0, true, true);
    EXPECT_FALSE(state.MovieFinished);
    EXPECT_TRUE(state.MovieWaitRequested);
    EXPECT_EQ(view.movie.placed, (std::array<int, 4>{350 - 200, 237 - 160, 400, 321}));
    loop.PassTime(1000);
    EXPECT_FALSE(state.MovieFinished);
    loop.PassTime(200);
    EXPECT_TRUE(state.MovieFinished);
    EXPECT_TRUE(view.block);  // kept covered
    EXPECT_EQ(log, testing::Lines{"Play movie: 'film.avi'."});
}

TEST_F(MediaOperationsTest, ACancelledMovieEndsAndUncoversTheScene) {
    PlayMovie(ctx, "film.avi", 0, false, false);
    CancelMovie(ctx);
    loop.PassTime(300);
    EXPECT_TRUE(state.MovieFinished);
    EXPECT_FALSE(view.block);
    EXPECT_EQ(log.back(), "Movie playback cancelled by user.");
}

}  // namespace
}  // namespace morvane
