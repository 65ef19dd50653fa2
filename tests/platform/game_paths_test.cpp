#include "platform/game_paths.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace morvane {
namespace {

class GamePathsTest : public ::testing::Test {
  protected:
    GamePathsTest() : paths_(game_.Path()) {
        game_.Write("resource/Morvane1.dat", "x");
        game_.Write("resource/gfx/Lamp.GIF", "gif");
        game_.Write("resource/mmedia/door.wav", "wav");
    }

    testing::TempFolder outside_;
    testing::TempFolder game_;
    GamePaths paths_;
};

TEST_F(GamePathsTest, GameFolderEndsWithExactlyOneSeparator) {
    const std::string& folder = paths_.GameFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_NE(folder[folder.size() - 2], '/');
    EXPECT_EQ(GamePaths("/").GameFolder(), "/");
}

TEST_F(GamePathsTest, AcceptsBothSeparatorsAndAnyCase) {
    const auto expected = game_.Path() / "resource" / "gfx" / "Lamp.GIF";
    EXPECT_EQ(paths_.Resolve("resource\\gfx\\lamp.gif"), expected);
    EXPECT_EQ(paths_.Resolve("resource\\Gfx\\LAMP.gif"), expected);
    EXPECT_EQ(paths_.Resolve("RESOURCE/gfx/Lamp.GIF"), expected);
    EXPECT_EQ(paths_.Resolve(paths_.GameFolder() + "resource\\gfx\\lamp.gif"), expected);
    EXPECT_EQ(paths_.Resolve("resource/Morvane1.dat"), game_.Path() / "resource" / "Morvane1.dat");
}

// The pictures and the media the game data names without a path live in their own folders.
TEST_F(GamePathsTest, PictureAndMediaNamesLeadIntoTheirFolders) {
    EXPECT_EQ(paths_.GfxPath("lamp.gif"), paths_.GameFolder() + "resource\\gfx\\lamp.gif");
    EXPECT_EQ(paths_.Resolve(paths_.GfxPath("lamp.gif")),
              game_.Path() / "resource" / "gfx" / "Lamp.GIF");
    EXPECT_EQ(paths_.Resolve(paths_.MediaPath("DOOR.wav")),
              game_.Path() / "resource" / "mmedia" / "door.wav");
    EXPECT_FALSE(paths_.Resolve(paths_.MediaPath("lamp.gif")));
    EXPECT_FALSE(paths_.Resolve(paths_.GfxPath("..\\Morvane1.dat")));
}

TEST_F(GamePathsTest, NamesLeavingTheGameFolderResolveToNothing) {
    outside_.Write("secret.txt", "s");
    const std::string escape =
        "resource/../../" + outside_.Path().filename().string() + "/secret.txt";
    EXPECT_FALSE(paths_.Resolve(escape));
    EXPECT_FALSE(paths_.Resolve("..\\secret.txt"));
    EXPECT_FALSE(paths_.Resolve((outside_.Path() / "secret.txt").string()));
    EXPECT_FALSE(paths_.Resolve("C:\\resource\\gfx\\lamp.gif"));
    EXPECT_FALSE(paths_.Resolve(std::string("resource/gfx/lamp.gif\0.txt", 26)));
    EXPECT_FALSE(paths_.FileExists(escape));
}

TEST_F(GamePathsTest, SymbolicLinksOutOfTheFolderAreRefused) {
    outside_.Write("secret.txt", "s");
    std::filesystem::create_symlink(outside_.Path() / "secret.txt",
                                    game_.Path() / "resource" / "link.wav");
    EXPECT_FALSE(paths_.Resolve("resource/link.wav"));
}

TEST_F(GamePathsTest, FileExistsOnlyForRegularFiles) {
    EXPECT_TRUE(paths_.FileExists("resource\\mmedia\\DOOR.WAV"));
    EXPECT_FALSE(paths_.FileExists("resource\\mmedia"));
    EXPECT_FALSE(paths_.FileExists("resource\\mmedia\\missing.wav"));
    EXPECT_FALSE(paths_.FileExists(""));
}

TEST_F(GamePathsTest, WritingTargetsKeepExistingFoldersAndNewNames) {
    EXPECT_EQ(paths_.ResolveForWriting("RESOURCE\\Saved\\game 1.sav"),
              game_.Path() / "resource" / "Saved" / "game 1.sav");
    EXPECT_FALSE(paths_.ResolveForWriting("Saved\\..\\..\\x.sav"));
}

}  // namespace
}  // namespace morvane
