#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "support/game_builder.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

struct ToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// Runs the built morvane-tool with its output captured in files of the scratch folder.
class ToolTest : public ::testing::Test {
  protected:
    ToolRun Run(const std::string& arguments) const {
        const std::filesystem::path tool = MORVANE_TOOL_PATH;
        const auto out = scratch_.Path() / "out";
        const auto err = scratch_.Path() / "err";
        const std::string command =
            Quoted(tool) + " " + arguments + " >" + Quoted(out) + " 2>" + Quoted(err);
        const int status = std::system(command.c_str());
        return ToolRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing::ReadWholeFile(out),
                       testing::ReadWholeFile(err)};
    }

    std::filesystem::path Source(const std::string& text) const {
        return scratch_.Write("source.json", text);
    }

    static void ExpectOneLineFailure(const ToolRun& run) {
        EXPECT_EQ(run.Status, 1);
        ASSERT_FALSE(run.Err.empty());
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
    }

    testing::TempFolder scratch_;
    testing::TempFolder games_;
};

TEST_F(ToolTest, BuildOfADumpReproducesEveryFileByteForByte) {
    const auto original = games_.Path() / "original";
    const auto rebuilt = games_.Path() / "rebuilt";
    const testing::GameBuilder game(original);
    game.Write(testing::DistinctGame());

    const ToolRun dump = Run("dump " + Quoted(original));
    ASSERT_EQ(dump.Status, 0) << dump.Err;
    const ToolRun build = Run("build " + Quoted(Source(dump.Out)) + " " + Quoted(rebuilt));
    ASSERT_EQ(build.Status, 0) << build.Err;

    for (const char* name :
         {"Morvane1.dat", "Morvane2.dat", "Morvane3.dat", "Morvane4.dat", "Morvane5.dat"}) {
        const std::string before = game.ReadRaw(name);
        EXPECT_FALSE(before.empty());
        EXPECT_TRUE(before == testing::GameBuilder(rebuilt).ReadRaw(name)) << name;
    }
}

TEST_F(ToolTest, DumpShowsWhatThePlayerReads) {
    const auto folder = games_.Path() / "game";
    const testing::GameBuilder game(folder);
    game.Write(testing::DistinctGame());
    const std::string scenes = game.ReadRaw("Morvane1.dat");
    // Just over two and a half scenes count 3; a general file one byte too long holds no
    // settings.
    game.WriteRaw("Morvane1.dat", scenes.substr(0, 2 * 4395 + 4395 / 2 + 1));
    game.WriteRaw("Morvane4.dat", game.ReadRaw("Morvane4.dat") + "x");
    std::filesystem::remove(folder / "resource" / "Morvane5.dat");

    const ToolRun dump = Run("dump " + Quoted(folder));
    ASSERT_EQ(dump.Status, 0) << dump.Err;
    const auto document = nlohmann::json::parse(dump.Out);
    EXPECT_EQ(document["counts"]["scenes"], 3);
    EXPECT_EQ(document["counts"]["conversations"], 0);
    EXPECT_TRUE(document["general"].is_null());
    // Record 3 stops inside object 10: object 20 reads blank.
    EXPECT_EQ(document["scenes"][2]["objects"][19]["s3"], "");
    EXPECT_EQ(document["scenes"][2]["objects"][19]["p44"], 0);
    EXPECT_NE(document["scenes"][2]["objects"][0]["s3"], "");
}

TEST_F(ToolTest, BadDocumentsWriteNothing) {
    const auto target = games_.Path() / "never";
    const std::string cases[] = {
        R"({"scenes": [{"header": {"1": "Hall"})",
        R"({"scenes": [{"header": {"7": "a_background_.gif"}}]})",
        R"({"locations": [{}, {"2": "\u0416.gif"}]})",
    };
    for (const std::string& text : cases) {
        const ToolRun run = Run("build " + Quoted(Source(text)) + " " + Quoted(target));
        ExpectOneLineFailure(run);
        EXPECT_FALSE(std::filesystem::exists(target)) << text;
    }
    EXPECT_NE(
        Run("build " + Quoted(Source(cases[1])) + " " + Quoted(target)).Err.find("scene 1 field 7"),
        std::string::npos);
    EXPECT_NE(Run("build " + Quoted(Source(cases[2])) + " " + Quoted(target))
                  .Err.find("location 2 field 2"),
              std::string::npos);
}

TEST_F(ToolTest, UnreadableInputsFailWithOneLine) {
    ExpectOneLineFailure(Run("dump " + Quoted(games_.Path() / "missing")));
    ExpectOneLineFailure(
        Run("build " + Quoted(scratch_.Path() / "none.json") + " " + Quoted(games_.Path() / "g")));
    EXPECT_FALSE(std::filesystem::exists(games_.Path() / "g"));
}

TEST_F(ToolTest, BuildMakesTheResourceFolder) {
    const auto target = games_.Path() / "new";
    const ToolRun run =
        Run("build " + Quoted(Source(R"({"scenes": [{}, {}]})")) + " " + Quoted(target));
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(std::filesystem::file_size(target / "resource" / "Morvane1.dat"), 2u * 4395);
    EXPECT_EQ(std::filesystem::file_size(target / "resource" / "Morvane4.dat"), 908u);
}

// A build that cannot write one of the five files (here the last one written, whose name is
// taken by a folder) changes none of them and leaves no temporary files behind.
TEST_F(ToolTest, BuildWritesAllFilesOrNone) {
    const auto target = games_.Path() / "old";
    ASSERT_EQ(Run("build " + Quoted(Source(R"({"scenes": [{}]})")) + " " + Quoted(target)).Status,
              0);
    const auto resource = target / "resource";
    std::filesystem::remove(resource / "Morvane5.dat");
    std::filesystem::create_directory(resource / "Morvane5.dat");
    const auto contents = [&resource] {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(resource)) {
            files[entry.path().filename().string()] =
                entry.is_regular_file() ? testing::ReadWholeFile(entry.path()) : "<folder>";
        }
        return files;
    };
    const auto before = contents();

    ExpectOneLineFailure(Run("build " +
                             Quoted(Source(R"({"scenes": [{}, {}, {}], "items": [{}]})")) + " " +
                             Quoted(target)));
    EXPECT_EQ(contents(), before);
}

TEST_F(ToolTest, CheckListsFindingsAndFailsOnAnError) {
    const auto clean = games_.Path() / "clean";
    ASSERT_EQ(Run("build " + Quoted(Source(R"({"scenes": [{}]})")) + " " + Quoted(clean)).Status,
              0);
    const ToolRun good = Run("check " + Quoted(clean));
    EXPECT_EQ(good.Status, 0) << good.Err;
    EXPECT_EQ(good.Out, "");

    const auto broken = games_.Path() / "broken";
    const char* source = R"({"scenes": [{"objects": [{"kind": 2, "p12": 1, "p17": 3}, {"kind": 0,
        "s3": "", "p12": 7}]}]})";
    ASSERT_EQ(Run("build " + Quoted(Source(source)) + " " + Quoted(broken)).Status, 0);
    const ToolRun bad = Run("check " + Quoted(broken));
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Out,
              "error: scene 1 object 1 (Goodie) p17: item 3 does not exist (0 items)\n"
              "warning: scene 1 object 2 (Ambient) p12: animation style 7 is not one of 1 to 3; "
              "the picture keeps the last object's settings\n");
    EXPECT_NE(bad.Err.find("1 error, 1 warning"), std::string::npos) << bad.Err;

    const ToolRun json = Run("check " + Quoted(broken) + " --json");
    EXPECT_EQ(json.Status, 1);
    const auto document = nlohmann::json::parse(json.Out);
    EXPECT_EQ(document["errors"], 1);
    EXPECT_EQ(document["warnings"], 1);
    ASSERT_EQ(document["findings"].size(), 2u);
    const auto& first = document["findings"][0];
    EXPECT_EQ(first["severity"], "error");
    EXPECT_EQ(first["file"], "scene");
    EXPECT_EQ(first["record"], 1);
    EXPECT_EQ(first["object"], 1);
    EXPECT_EQ(first["kind"], "Goodie");
    EXPECT_EQ(first["field"], "p17");
    EXPECT_EQ(first["problem"], "item 3 does not exist (0 items)");

    ExpectOneLineFailure(Run("check " + Quoted(games_.Path() / "missing")));
}

// The checked-in description of the data format is what the record layouts give today.
TEST_F(ToolTest, TheFormatDocumentIsUpToDate) {
    const ToolRun run = Run("format-doc");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("| 17 | `\"17\"` | 125 | 15 | text | CloseupPicture |"),
              std::string::npos);
    EXPECT_TRUE(run.Out == testing::ReadWholeFile(std::filesystem::path(MORVANE_SOURCE_DIR) /
                                                  "docs" / "game-format.md"))
        << "docs/game-format.md differs from the record layouts; regenerate it with "
           "`morvane-tool format-doc > docs/game-format.md`";
}

}  // namespace
}  // namespace morvane
