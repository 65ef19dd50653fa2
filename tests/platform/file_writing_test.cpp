#include "platform/file_writing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "support/temp_folder.h"

namespace morvane {
namespace {
namespace fs = std::filesystem;
using testing::ReadWholeFile;

class FileWriting : public ::testing::Test {
  protected:
    fs::path Target() const { return folder_.Path() / "game1.sav"; }

    testing::TempFolder folder_;
};

TEST_F(FileWriting, WritesANewFileAndReplacesAnOldOneWhole) {
    EXPECT_FALSE(WriteFileAtomically(Target(), std::string("first\0one", 9)));
    EXPECT_EQ(ReadWholeFile(Target()), std::string("first\0one", 9));
    EXPECT_FALSE(WriteFileAtomically(Target(), "second"));
    EXPECT_EQ(ReadWholeFile(Target()), "second");
    EXPECT_FALSE(fs::exists(TemporaryFileFor(Target()))) << "nothing is left beside it";
}

TEST_F(FileWriting, ALeftOverTemporaryFileIsWrittenOver) {
    folder_.Write("game1.sav.tmp", "half of an interrupted save");
    EXPECT_FALSE(WriteFileAtomically(Target(), "whole"));
    EXPECT_EQ(ReadWholeFile(Target()), "whole");
}

// Whatever makes the write fail, the old file stays as it was and the reason is told.
TEST_F(FileWriting, AFailedWriteLeavesTheOldFileAsItWas) {
    struct Case {
        const char* what;
        std::function<fs::path(const testing::TempFolder&)> prepare;
    };
    const Case cases[] = {
        {"a folder where the temporary file goes",
         [](const testing::TempFolder& f) {
             fs::create_directories(f.Path() / "game1.sav.tmp");
             return f.Path() / "game1.sav";
         }},
        {"a link where the temporary file goes",
         [](const testing::TempFolder& f) {
             fs::create_symlink(f.Path() / "elsewhere", f.Path() / "game1.sav.tmp");
             return f.Path() / "game1.sav";
         }},
        {"a folder that is gone",
         [](const testing::TempFolder& f) { return f.Path() / "gone" / "game1.sav"; }},
        {"a file where the folder should be",
         [](const testing::TempFolder& f) {
             f.Write("plain", "not a folder");
             return f.Path() / "plain" / "game1.sav";
         }},
        {"a folder where the file goes",
         [](const testing::TempFolder& f) {
             fs::create_directories(f.Path() / "taken.sav");
             return f.Path() / "taken.sav";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempFolder folder;
        const fs::path target = c.prepare(folder);
        folder.Write("game1.sav", "the old save");
        const auto failure = WriteFileAtomically(target, "the new save");
        ASSERT_TRUE(failure.has_value());
        EXPECT_FALSE(failure->empty());
        EXPECT_EQ(ReadWholeFile(folder.Path() / "game1.sav"), "the old save");
        EXPECT_FALSE(fs::exists(folder.Path() / "elsewhere")) << "a link is never followed";
    }
}

TEST_F(FileWriting, AFolderThatCannotBeWrittenRefusesTheFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into any folder";
    }
    folder_.Write("game1.sav", "the old save");
    ::chmod(folder_.Path().c_str(), 0555);
    const auto failure = WriteFileAtomically(Target(), "the new save");
    ::chmod(folder_.Path().c_str(), 0755);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(ReadWholeFile(Target()), "the old save");
}

}  // namespace
}  // namespace morvane
