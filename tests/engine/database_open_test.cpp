#include "engine/database_open.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/game_builder.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// Records what the open operations ask of the interface, one line per call.
class RecordingUi : public DatabaseUi {
  public:
    void ShowCriticalMessage(const std::string& text) override {
        Calls.push_back("message " + text);
    }
    void ApplyGeneralSettings(int mode) override {
        Calls.push_back("apply " + std::to_string(mode));
    }
    void UseBuiltInPointersWhereMissing() override { Calls.push_back("built-in pointers"); }
    void SetMousePointer(int pointer) override {
        Calls.push_back("pointer " + std::to_string(pointer));
    }
    void SetMapPicture(const std::string& path) override { Calls.push_back("map " + path); }
    void SetUpMapLocation(int location, const std::optional<std::string>& picture, Integer left,
                          Integer top, bool visible) override {
        Calls.push_back("location " + std::to_string(location) + " " +
                        picture.value_or("(no picture)") + " " + std::to_string(left) + "," +
                        std::to_string(top) + (visible ? " shown" : " hidden"));
    }

    std::vector<std::string> Calls;
};

class DatabaseOpenTest : public ::testing::Test {
  protected:
    DatabaseOpenTest() : builder_(folder_.Path()), state_(GamePaths(folder_.Path())) {}

    static LocationRecord Location(const std::string& picture, Integer available) {
        LocationRecord record;
        record.Picture = FixedText<15>(picture);
        record.Left = 10;
        record.Top = 20;
        record.Scene = 4;
        record.Available = available;
        record.PlaysFile = 1;
        record.File = FixedText<15>("  door.wav ");
        record.Volume = -300;
        record.Pan = 50;
        return record;
    }

    testing::TempFolder folder_;
    testing::GameBuilder builder_;
    GameState state_;
    RecordingUi ui_;
};

using Calls = std::vector<std::string>;

TEST_F(DatabaseOpenTest, GeneralFileOfOneRecordAppliesTheSettings) {
    builder_.WriteJson(R"({"general": {"1": "Game"}})");
    OpenGenBase(state_, ui_);
    EXPECT_EQ(ui_.Calls,
              (Calls{"apply 1", "apply 2", "apply 3", "built-in pointers", "pointer 13"}));
    EXPECT_EQ(ReadGeneralRecord(state_).GameTitle.Trimmed(), "Game");
}

TEST_F(DatabaseOpenTest, GeneralFileOfAnyOtherLengthKeepsTheBuiltInSettings) {
    builder_.WriteJson(R"({"general": {"1": "Game"}})");
    builder_.WriteRaw("Morvane4.dat", builder_.ReadRaw("Morvane4.dat") + " ");
    OpenGenBase(state_, ui_);
    EXPECT_EQ(ui_.Calls, (Calls{"pointer 13"}));

    ui_.Calls.clear();
    builder_.WriteRaw("Morvane4.dat", builder_.ReadRaw("Morvane4.dat").substr(0, 907));
    OpenGenBase(state_, ui_);
    EXPECT_EQ(ui_.Calls, (Calls{"pointer 13"}));
}

TEST_F(DatabaseOpenTest, MissingFilesHoldNoRecordsAndAreNotCreated) {
    state_.SceneCount = 5;
    OpenGenBase(state_, ui_);
    OpenLocBase(state_, ui_);
    OpenInvBase(state_, ui_);
    OpenSceneBase(state_, ui_);
    OpenConvBase(state_, ui_);
    GetInitData(state_, ui_);
    EXPECT_EQ(ui_.Calls, (Calls{"pointer 13"}));
    EXPECT_EQ(state_.SceneCount, 0);
    EXPECT_EQ(state_.LocationCount, 0);
    EXPECT_EQ(state_.ItemCount, 0);
    EXPECT_EQ(state_.ConvCount, 0);
    EXPECT_TRUE(state_.EngineLogoWanted);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "resource"));
}

TEST_F(DatabaseOpenTest, CountsRoundHalfRecordsToEven) {
    builder_.Write(testing::DistinctGame());
    builder_.WriteRaw("Morvane2.dat", builder_.ReadRaw("Morvane2.dat").substr(0, 112 * 2 + 56));
    const std::string conversations = builder_.ReadRaw("Morvane5.dat");
    builder_.WriteRaw("Morvane5.dat", conversations.substr(0, 1712 * 2 + 856));
    OpenLocBase(state_, ui_);
    OpenConvBase(state_, ui_);
    OpenInvBase(state_, ui_);
    OpenSceneBase(state_, ui_);
    EXPECT_EQ(state_.LocationCount, 2);
    EXPECT_EQ(state_.ConvCount, 2);
    EXPECT_EQ(state_.ItemCount, 3);
    EXPECT_EQ(state_.SceneCount, 3);

    builder_.WriteRaw("Morvane5.dat", conversations + conversations.substr(0, 856));
    OpenConvBase(state_, ui_);
    EXPECT_EQ(state_.ConvCount, 4);
}

TEST_F(DatabaseOpenTest, LocationsAreSetUpFromTheirRecords) {
    GameData game;
    game.Locations = {Location("tower.gif", 1), Location("Del", 1), Location("", 1),
                      Location("(None)", 0), Location("  well.gif", 2)};
    game.Locations[0].MapPicture = FixedText<15>(" map.gif ");
    game.Locations[3].MapPicture = FixedText<15>("other.gif");
    builder_.Write(game);

    OpenLocBase(state_, ui_);
    EXPECT_EQ(state_.LocationCount, 5);
    EXPECT_EQ(ui_.Calls, (Calls{"map resource\\gfx\\map.gif",
                                "location 1 resource\\gfx\\tower.gif 10,20 shown",
                                "location 4 (no picture) 10,20 hidden",
                                "location 5 resource\\gfx\\well.gif 10,20 hidden"}));
    EXPECT_EQ(state_.Locations(1).Available, 1);
    EXPECT_EQ(state_.Locations(2).Scene, 0);
    EXPECT_EQ(state_.Locations(3).Scene, 0);
    const MapLocation& none = state_.Locations(4);
    EXPECT_EQ(none.Available, 0);
    EXPECT_EQ(none.Scene, 4);
    EXPECT_EQ(none.PlaysFile, 1);
    EXPECT_EQ(none.File, "door.wav");
    EXPECT_EQ(none.Volume, -300);
    EXPECT_EQ(none.Pan, 50);
}

TEST_F(DatabaseOpenTest, LocationsBeyondTwentyAreReportedOnce) {
    GameData game;
    for (int n = 1; n <= 23; ++n) {
        game.Locations.push_back(Location("p" + std::to_string(n) + ".gif", 1));
        game.Locations.back().Scene = static_cast<Integer>(n);
    }
    builder_.Write(game);

    OpenLocBase(state_, ui_);
    EXPECT_EQ(state_.LocationCount, 23);
    ASSERT_EQ(ui_.Calls.size(), 21u);
    EXPECT_EQ(ui_.Calls[19], "location 20 resource\\gfx\\p20.gif 10,20 shown");
    EXPECT_EQ(ui_.Calls[20],
              "message Unexpected error in procedure: OpenLocBase\r\nError #9: Subscript out of "
              "range");
    EXPECT_EQ(state_.Locations(20).Scene, 20);
}

TEST_F(DatabaseOpenTest, ErrorsAreReportedWithTheProcedureName) {
    std::filesystem::create_directories(folder_.Path() / "resource" / "Morvane3.dat");
    OpenInvBase(state_, ui_);
    EXPECT_EQ(ui_.Calls, (Calls{"message Unexpected error in procedure: OpenInvBase\r\nError "
                                "#75: Path/File access error"}));

    ui_.Calls.clear();
    std::filesystem::create_directories(folder_.Path() / "resource" / "Morvane4.dat");
    GetInitData(state_, ui_);
    EXPECT_EQ(ui_.Calls, (Calls{"message Unexpected error in procedure: GetInitData\r\nError "
                                "#75: Path/File access error"}));
}

TEST_F(DatabaseOpenTest, TooManyRecordsToCountIsAnOverflow) {
    builder_.WriteRaw("Morvane2.dat", std::string(112 * 32768, ' '));
    OpenLocBase(state_, ui_);
    EXPECT_EQ(ui_.Calls,
              (Calls{"message Unexpected error in procedure: OpenLocBase\r\nError #6: Overflow"}));
}

TEST_F(DatabaseOpenTest, GetInitDataReadsTheStartUpOptions) {
    builder_.WriteJson(R"({"general": {"35": " 1 ", "68": 1}})");
    GetInitData(state_, ui_);
    EXPECT_FALSE(state_.EngineLogoWanted);
    EXPECT_TRUE(state_.Force800x600);
    EXPECT_TRUE(ui_.Calls.empty());

    builder_.WriteJson(R"({"general": {"35": "2", "68": 2}})");
    GetInitData(state_, ui_);
    EXPECT_TRUE(state_.EngineLogoWanted);
    EXPECT_FALSE(state_.Force800x600);

    builder_.WriteJson(R"({"general": {"35": "1", "68": 1}})");
    builder_.WriteRaw("Morvane4.dat", builder_.ReadRaw("Morvane4.dat") + "x");
    GetInitData(state_, ui_);
    EXPECT_TRUE(state_.EngineLogoWanted);
    EXPECT_FALSE(state_.Force800x600);
}

TEST_F(DatabaseOpenTest, RecordsAreReadFromTheOpenFiles) {
    const GameData game = testing::DistinctGame();
    builder_.Write(game);
    OpenInvBase(state_, ui_);
    OpenConvBase(state_, ui_);
    EXPECT_EQ(ReadInventoryRecord(state_, 3), game.Items[2]);
    EXPECT_EQ(ReadConversationRecord(state_, 1), game.Conversations[0]);
    EXPECT_EQ(ReadInventoryRecord(state_, 4), InventoryRecord{});
}

}  // namespace
}  // namespace morvane
