#include "engine/scene_reader.h"

#include <gtest/gtest.h>

#include "engine/database_open.h"
#include "engine_fixture.h"
#include "support/game_builder.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

class SceneReaderTest : public ::testing::Test {
  protected:
    SceneReaderTest() : state_(GamePaths(folder_.Path())) {}

    void Open(const GameData& game) {
        testing::GameBuilder(folder_.Path()).Write(game);
        OpenSceneBase(state_, ui_);
    }

    testing::TempFolder folder_;
    GameState state_;
    testing::SilentUi ui_;
};

TEST_F(SceneReaderTest, CopiesEveryFieldOfTheRecordTextsTrimmed) {
    const GameData game = testing::DistinctGame();
    Open(game);
    ReadSceneRecord(state_, 2);
    const SceneRecord& record = game.Scenes[1];

    EXPECT_EQ(state_.CurrentScene, 2);
    EXPECT_EQ(state_.Scene.SceneTitle, record.Header.SceneTitle.Trimmed());
    EXPECT_EQ(state_.Scene.ExitMovie, record.Header.ExitMovie.Trimmed());
    EXPECT_EQ(state_.Scene.Spare29, record.Header.Spare29.Trimmed());
    EXPECT_EQ(state_.Scene.JumpEnabled, record.Header.JumpEnabled);
    EXPECT_EQ(state_.Scene.EntryFlagMode, record.Header.EntryFlagMode);
    EXPECT_EQ(state_.Scene.Spare32, record.Header.Spare32);
    for (int group = 1; group <= 4; ++group) {
        for (int value = 1; value <= 6; ++value) {
            EXPECT_EQ(state_.Arrows(group)(value), record.Header.Arrows[group - 1][value - 1]);
        }
    }
    for (int k = 1; k <= 20; ++k) {
        const SceneObject& object = state_.Objects(k);
        const ObjectBlock& block = record.Objects(k);
        EXPECT_EQ(object.Kind, block.Kind);
        EXPECT_EQ(object.Pos1, block.Pos1);
        EXPECT_EQ(object.Pos2, block.Pos2);
        for (int position = 3; position <= 11; ++position) {
            EXPECT_EQ(object.S(position), block.S(position).Trimmed());
        }
        for (int position = 12; position <= 44; ++position) {
            EXPECT_EQ(object.P(position), block.P(position));
        }
    }
}

TEST_F(SceneReaderTest, TrimsBothEndsAndAllSpacesMeanNone) {
    GameData game;
    game.Scenes.emplace_back();
    game.Scenes[0].Header.Background = FixedText<15>("  hall.gif   ");
    game.Scenes[0].Objects(20).S(3) = FixedText<15>("  lamp.gif   ");
    Open(game);
    state_.Scene.EnterSound = "old.wav";
    ReadSceneRecord(state_, 1);
    EXPECT_EQ(state_.Scene.Background, "hall.gif");
    EXPECT_EQ(state_.Objects(20).S(3), "lamp.gif");
    EXPECT_EQ(state_.Scene.EnterSound, "");
}

TEST_F(SceneReaderTest, SceneBeyondTheEndReadsBlank) {
    Open(testing::DistinctGame());
    ReadSceneRecord(state_, 1);
    ASSERT_NE(state_.Objects(1).Kind, 0);
    ReadSceneRecord(state_, 9);
    EXPECT_EQ(state_.CurrentScene, 9);
    EXPECT_EQ(state_.Scene.SceneTitle, "");
    EXPECT_EQ(state_.Objects(1).Kind, 0);
    EXPECT_EQ(state_.Objects(20).P(44), 0);
    EXPECT_EQ(state_.Arrows(2)(2), 0);
}

}  // namespace
}  // namespace morvane
