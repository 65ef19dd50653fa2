#include "engine/game_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace morvane {
namespace {

class GameFolderTest : public ::testing::Test {
  protected:
    GameFolderTest() : state_(GamePaths(folder_.Path())) {
        folder_.Write("resource/gfx/Lamp.gif", "gif");
    }

    testing::TempFolder outside_;
    testing::TempFolder folder_;
    GameState state_;
};

TEST_F(GameFolderTest, GameFolderHasOneTrailingSeparator) {
    const std::string folder = GameFolder(state_);
    EXPECT_EQ(folder, folder_.Path().string() + "/");
    const testing::TempFolder other;
    const GameState with_slash(GamePaths(other.Path().string() + "/"));
    EXPECT_EQ(GameFolder(with_slash), other.Path().string() + "/");
    const GameState root(GamePaths("/"));
    EXPECT_EQ(GameFolder(root), "/");
}

TEST_F(GameFolderTest, FileExistsOnlyForFilesInsideTheGame) {
    const std::string base = GameFolder(state_);
    EXPECT_TRUE(FileExists(state_, base + "resource\\gfx\\lamp.gif"));
    EXPECT_TRUE(FileExists(state_, base + "resource\\Gfx\\LAMP.GIF"));
    EXPECT_FALSE(FileExists(state_, base + "resource\\gfx\\"));
    EXPECT_FALSE(FileExists(state_, base + "resource\\gfx\\door.gif"));
    outside_.Write("secret.gif", "s");
    EXPECT_FALSE(FileExists(state_, base + "resource\\..\\..\\" +
                                        outside_.Path().filename().string() + "\\secret.gif"));
    EXPECT_FALSE(FileExists(state_, "Z:\\resource\\gfx\\lamp.gif"));
}

}  // namespace
}  // namespace morvane
