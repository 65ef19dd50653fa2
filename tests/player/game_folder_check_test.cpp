#include "player/game_folder_check.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace morvane {
namespace {

TEST(GameFolderCheckTest, AFolderNeedsOneOfTheFiveDatabaseFiles) {
    testing::TempFolder root;
    const auto empty = root.Path() / "empty";
    std::filesystem::create_directories(empty / "resource");
    const auto file = root.Write("notes.txt", "not a game");
    root.Write("some/resource/Morvane3.dat", std::string(209, ' '));
    root.Write("shouting/RESOURCE/MORVANE1.DAT", std::string(4395, ' '));
    root.Write("whole/resource/Morvane1.dat");
    root.Write("folder-named-like-a-file/resource/Morvane1.dat/inside");
    struct Case {
        std::filesystem::path folder;
        bool plays;
    };
    for (const Case& c : std::vector<Case>{
             {root.Path() / "missing", false},
             {file, false},
             {empty, false},
             {root.Path() / "folder-named-like-a-file", false},
             {root.Path() / "some", true},
             {root.Path() / "shouting", true},
             {root.Path() / "whole", true},
         }) {
        const auto problem = CheckGameFolder(c.folder);
        EXPECT_EQ(!problem.has_value(), c.plays) << c.folder;
        if (problem) {
            EXPECT_EQ(*problem, "not a game folder: " + c.folder.string() +
                                    " (resource/Morvane1.dat not found)");
        }
    }
}

}  // namespace
}  // namespace morvane
