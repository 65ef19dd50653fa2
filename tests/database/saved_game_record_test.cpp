#include "database/saved_game_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "database/record_codec.h"
#include "support/saved_game_bytes.h"

namespace morvane {
namespace {

using namespace testing::saved_game;

// A value of its own for element `k` of table number `table`, negative for odd ones.
int16_t Distinct(int table, int k) {
    const int value = table * 300 + k;
    return static_cast<int16_t>(k % 2 == 1 ? -value : value);
}

SavedGameRecord DistinctRecord() {
    SavedGameRecord r;
    r.Description = FixedText<50>("Before the storm, with the oil can \xE9");
    r.Date = FixedText<10>("12-06-2026");
    r.Time = FixedText<10>("09:05 PM");
    r.Soundtrack = FixedText<15>("theme.wav");
    r.SoundtrackVolume = -123456;
    r.Scene = 4321;
    for (int k = 1; k <= 255; ++k) {
        r.Flags(k) = Distinct(1, k);
    }
    for (int k = 1; k <= 20; ++k) {
        r.DelayRunning(k) = Distinct(2, k);
        r.DelayDuration(k) = Distinct(3, k);
        r.DelayFlag(k) = Distinct(4, k);
        r.DelayValue(k) = Distinct(5, k);
        r.DelayMode(k) = Distinct(6, k);
        r.Map(k) = Distinct(8, k);
        r.ReservedNumbers(k) = Distinct(9, k);
    }
    for (int k = 1; k <= 16; ++k) {
        r.Inventory(k) = Distinct(7, k);
    }
    for (int k = 1; k <= 10; ++k) {
        r.ReservedTexts(k) = FixedText<20>("reserved " + std::to_string(k));
    }
    return r;
}

TEST(SavedGameRecord, ThePlacesCoverTheRecordOnceEndToEnd) {
    std::vector<int> covered(SavedGameRecord::kLength, 0);
    for (const Place& place : kPlaces) {
        for (std::size_t i = 0; i < place.width * static_cast<std::size_t>(place.count); ++i) {
            ++covered.at(place.offset + i);
        }
    }
    for (std::size_t i = 0; i < covered.size(); ++i) {
        EXPECT_EQ(covered[i], 1) << "byte " << i;
    }
}

TEST(SavedGameRecord, EveryFieldIsWrittenAtItsOwnOffset) {
    const SavedGameRecord r = DistinctRecord();
    const std::string bytes = EncodeRecord(r);
    ASSERT_EQ(bytes.size(), 1113u);
    EXPECT_EQ(ReadText(bytes, kDescription), Padded("Before the storm, with the oil can \xE9", 50));
    EXPECT_EQ(ReadText(bytes, kDate), "12-06-2026");
    EXPECT_EQ(ReadText(bytes, kTime), "09:05 PM  ");
    EXPECT_EQ(ReadText(bytes, kSoundtrack), Padded("theme.wav", 15));
    EXPECT_EQ(Read32(bytes, kVolume), -123456);
    EXPECT_EQ(Read16(bytes, kScene, 1), 4321);
    const std::pair<const Place*, int> tables[] = {
        {&kFlags, 1},     {&kDelayRunning, 2}, {&kDelayDuration, 3},
        {&kDelayFlag, 4}, {&kDelayValue, 5},   {&kDelayMode, 6},
        {&kInventory, 7}, {&kMap, 8},          {&kReservedNumbers, 9}};
    for (const auto& [place, table] : tables) {
        for (int k = 1; k <= place->count; ++k) {
            ASSERT_EQ(Read16(bytes, *place, k), Distinct(table, k)) << place->name << " " << k;
        }
    }
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(ReadText(bytes, kReservedTexts, k), Padded("reserved " + std::to_string(k), 20));
    }
}

TEST(SavedGameRecord, AFileWrittenByAnotherPlayerReadsFieldByField) {
    // Bytes laid out by hand, as a player following the layout writes them.
    std::string bytes(1113, ' ');
    bytes.replace(kDescription.offset, 11, "Lamp is lit");
    bytes.replace(kDate.offset, 10, "01-31-1999");
    bytes.replace(kTime.offset, 8, "11:59 AM");
    bytes.replace(kSoundtrack.offset, 8, "wind.mid");
    bytes.replace(kVolume.offset, 4, std::string("\x18\xFC\xFF\xFF", 4));  // -1000
    for (const Place& place : {kScene, kFlags, kDelayRunning, kDelayDuration, kDelayFlag,
                               kDelayValue, kDelayMode, kInventory, kMap, kReservedNumbers}) {
        for (int k = 1; k <= place.count; ++k) {
            Write16(bytes, place, k, static_cast<int16_t>(place.offset + k));
        }
    }
    const auto r = DecodeRecord<SavedGameRecord>(bytes);
    EXPECT_EQ(r.Description.Trimmed(), "Lamp is lit");
    EXPECT_EQ(r.Date.Trimmed(), "01-31-1999");
    EXPECT_EQ(r.Time.Trimmed(), "11:59 AM");
    EXPECT_EQ(r.Soundtrack.Trimmed(), "wind.mid");
    EXPECT_EQ(r.SoundtrackVolume, -1000);
    EXPECT_EQ(r.Scene, 90);
    EXPECT_EQ(r.Flags(1), 92);
    EXPECT_EQ(r.Flags(255), 91 + 255);
    EXPECT_EQ(r.DelayRunning(20), 621);
    EXPECT_EQ(r.DelayDuration(1), 642);
    EXPECT_EQ(r.DelayFlag(7), 688);
    EXPECT_EQ(r.DelayValue(20), 741);
    EXPECT_EQ(r.DelayMode(3), 764);
    EXPECT_EQ(r.Inventory(16), 817);
    EXPECT_EQ(r.Map(1), 834);
    EXPECT_EQ(r.ReservedTexts(10), FixedText<20>());
    EXPECT_EQ(r.ReservedNumbers(20), 1093);
    // Read and written again, the file is the same byte for byte.
    EXPECT_EQ(EncodeRecord(r), bytes);
}

}  // namespace
}  // namespace morvane
