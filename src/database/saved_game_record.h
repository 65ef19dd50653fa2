#pragma once

#include <cstddef>

#include "base/integer.h"
#include "base/table.h"
#include "database/fixed_text.h"
#include "database/record_field.h"

namespace morvane {

// A saved game: one 1113-byte record in a file of its own. The tables are indexed from 1, as
// the game counts flags, delay slots, inventory slots and map locations.
struct SavedGameRecord {
    static constexpr std::size_t kLength = 1113;

    FixedText<50> Description;
    FixedText<10> Date;  // "MM-DD-YYYY"
    FixedText<10> Time;  // "hh:mm AM" or "hh:mm PM"
    FixedText<15> Soundtrack;
    Long SoundtrackVolume = 0;
    Integer Scene = 0;
    Table<Integer, 1, 255> Flags;
    Table<Integer, 1, 20> DelayRunning;  // 1 running, 0 stopped
    Table<Integer, 1, 20> DelayDuration;
    Table<Integer, 1, 20> DelayFlag;
    Table<Integer, 1, 20> DelayValue;
    Table<Integer, 1, 20> DelayMode;
    Table<Integer, 1, 16> Inventory;
    Table<Integer, 1, 20> Map;
    // Never filled by the player, but carried through from a file read earlier.
    Table<FixedText<20>, 1, 10> ReservedTexts;
    Table<Integer, 1, 20> ReservedNumbers;

    bool operator==(const SavedGameRecord&) const = default;

    // Fields are numbered 1 to 16 in their order in the record; the elements of a table are
    // numbered from 1 in RecordField::Element.
    template <typename Self, typename Visitor>
    static void Visit(Self& r, Visitor&& visit) {
        visit(RecordField{1, 0}, r.Description);
        visit(RecordField{2, 50}, r.Date);
        visit(RecordField{3, 60}, r.Time);
        visit(RecordField{4, 70}, r.Soundtrack);
        visit(RecordField{5, 85}, r.SoundtrackVolume);
        visit(RecordField{6, 89}, r.Scene);
        VisitTable(7, 91, r.Flags, visit);
        VisitTable(8, 601, r.DelayRunning, visit);
        VisitTable(9, 641, r.DelayDuration, visit);
        VisitTable(10, 681, r.DelayFlag, visit);
        VisitTable(11, 721, r.DelayValue, visit);
        VisitTable(12, 761, r.DelayMode, visit);
        VisitTable(13, 801, r.Inventory, visit);
        VisitTable(14, 833, r.Map, visit);
        for (int k = 1; k <= 10; ++k) {
            visit(RecordField{15, 873 + static_cast<std::size_t>(k - 1) * 20, k},
                  r.ReservedTexts(k));
        }
        VisitTable(16, 1073, r.ReservedNumbers, visit);
    }

  private:
    template <typename TableType, typename Visitor>
    static void VisitTable(int number, std::size_t offset, TableType& table, Visitor& visit) {
        for (int k = TableType::kLower; k <= TableType::kUpper; ++k) {
            visit(RecordField{number, offset + static_cast<std::size_t>(k - 1) * 2, k}, table(k));
        }
    }
};

}  // namespace morvane
