// The asset program makes the same files on every run, so the game folder can be rebuilt
// anywhere and compared.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace morvane::testing {
namespace {

TEST(DemoGameAssetsTest, AreTheSameOnEveryRun) {
    TempFolder scratch;
    const std::string command =
        "'" + std::string(MORVANE_DEMO_ASSETS_PATH) + "' '" + scratch.Path().string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto built = std::filesystem::path(MORVANE_BUILD_DIR) / "games" / "demo" / "resource";
    int files = 0;
    for (const char* folder : {"gfx", "mmedia"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(scratch.Path() / "resource" / folder)) {
            const auto name = entry.path().filename();
            ++files;
            EXPECT_EQ(ReadWholeFile(entry.path()), ReadWholeFile(built / folder / name)) << name;
        }
    }
    EXPECT_GT(files, 0);
}

TEST(DemoGameAssetsTest, RefusesAMissingFolderArgument) {
    const std::string command = "'" + std::string(MORVANE_DEMO_ASSETS_PATH) + "' 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace morvane::testing
