#include "database/record_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/runtime_error.h"
#include "database/location_record.h"
#include "support/game_builder.h"
#include "support/runtime_errors.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

class RecordFileTest : public ::testing::Test {
  protected:
    RecordFileTest() : builder_(folder_.Path()), paths_(folder_.Path()) {}

    RecordFile OpenLocations() { return RecordFile::Open<LocationRecord>(paths_); }

    static std::string Locations(int whole, std::size_t extra_bytes = 0) {
        std::string bytes;
        testing::DistinctValues values;
        for (int i = 0; i <= whole; ++i) {
            bytes += EncodeRecord(values.Fill(LocationRecord{}));
        }
        return bytes.substr(0, whole * LocationRecord::kLength + extra_bytes);
    }

    testing::TempFolder folder_;
    testing::GameBuilder builder_;
    GamePaths paths_;
};

TEST_F(RecordFileTest, CountRoundsHalfRecordsToEven) {
    const struct {
        int whole;
        std::size_t extra;
        Integer count;
    } cases[] = {{3, 0, 3},  {2, 56, 2}, {3, 56, 4}, {0, 56, 0},
                 {1, 56, 2}, {2, 57, 3}, {2, 55, 2}, {0, 0, 0}};
    for (const auto& c : cases) {
        builder_.WriteRaw("Morvane2.dat", Locations(c.whole, c.extra));
        EXPECT_EQ(OpenLocations().Count(), c.count) << c.whole << " records + " << c.extra;
    }
}

TEST_F(RecordFileTest, MissingFileHoldsNoRecordsAndIsNotCreated) {
    RecordFile file = OpenLocations();
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(file.Count(), 0);
    EXPECT_EQ(file.Read<LocationRecord>(1), LocationRecord{});
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "resource"));
}

TEST_F(RecordFileTest, PartialLastRecordReadsBlankPastTheEnd) {
    // 35 bytes of record 2: both texts and two Integers whole, field 5 cut after its low byte.
    const std::string bytes = Locations(1, 35);
    builder_.WriteRaw("Morvane2.dat", bytes);
    RecordFile file = OpenLocations();
    ASSERT_EQ(file.Count(), 1);  // 1.3 records
    const LocationRecord partial = file.Read<LocationRecord>(2);
    const LocationRecord whole = DecodeRecord<LocationRecord>(Locations(2).substr(112));
    EXPECT_EQ(partial.Picture, whole.Picture);
    EXPECT_EQ(partial.Left, whole.Left);
    EXPECT_EQ(partial.Top, whole.Top);
    EXPECT_EQ(partial.Spare5, static_cast<Integer>(static_cast<unsigned char>(bytes[112 + 34])));
    EXPECT_EQ(partial.Scene, 0);
    EXPECT_EQ(partial.File.Bytes(), std::string(15, ' '));
    EXPECT_EQ(partial.Spare17, 0);
}

TEST_F(RecordFileTest, TextCutShortIsPaddedWithSpaces) {
    builder_.WriteRaw("Morvane2.dat", Locations(0) + std::string(15, 'x') + "tower");
    const LocationRecord record = OpenLocations().Read<LocationRecord>(1);
    EXPECT_EQ(record.Picture.Bytes(), "tower          ");
    EXPECT_EQ(record.Picture.Trimmed(), "tower");
}

TEST_F(RecordFileTest, RecordBeyondTheEndReadsBlank) {
    builder_.WriteRaw("Morvane2.dat", Locations(2));
    RecordFile file = OpenLocations();
    EXPECT_NE(file.Read<LocationRecord>(2), LocationRecord{});
    EXPECT_EQ(file.Read<LocationRecord>(3), LocationRecord{});
    EXPECT_EQ(file.Read<LocationRecord>(32767), LocationRecord{});
}

TEST_F(RecordFileTest, RecordNumbersStartAtOne) {
    builder_.WriteRaw("Morvane2.dat", Locations(2));
    RecordFile file = OpenLocations();
    EXPECT_EQ(testing::ErrorNumberOf([&] { file.Read<LocationRecord>(0); }), 63);
}

TEST_F(RecordFileTest, FileNamesMatchInAnyCase) {
    const std::string bytes = Locations(2);
    const auto file = folder_.Write("RESOURCE/morvane2.DAT", bytes);
    RecordFile records = OpenLocations();
    EXPECT_EQ(records.Count(), 2);
    EXPECT_EQ(EncodeRecord(records.Read<LocationRecord>(2)), bytes.substr(112));
}

TEST_F(RecordFileTest, AFolderInPlaceOfTheFileIsAnAccessError) {
    std::filesystem::create_directories(folder_.Path() / "resource" / "Morvane2.dat");
    EXPECT_EQ(testing::ErrorNumberOf([&] { OpenLocations(); }), 75);
}

}  // namespace
}  // namespace morvane
