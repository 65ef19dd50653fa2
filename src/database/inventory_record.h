#pragma once

#include <cstddef>
#include <string_view>

#include "base/integer.h"
#include "database/fixed_text.h"
#include "database/record_field.h"

namespace morvane {

// An inventory item, 209 bytes; the item number is the record number.
struct InventoryRecord {
    static constexpr std::size_t kLength = 209;
    // The literal the file is opened by, appended to the game folder.
    static constexpr std::string_view kPath = "resource\\Morvane3.dat";

    FixedText<15> Spare1;
    FixedText<15> Icon;
    FixedText<15> HighlightPointer;
    Integer CarriedAtStart = 0;
    Integer Combinable = 0;
    Integer Partner = 0;
    Integer Result = 0;
    FixedText<15> RefusalSound;
    Integer RefusalVolume = 0;
    Integer RefusalPan = 0;
    FixedText<15> ExamineSound;
    Integer ExamineVolume = 0;
    Integer ExaminePan = 0;
    Integer ExamineKind = 0;
    FixedText<30> CloseupCaption;
    Integer CloseupPlayMode = 0;
    FixedText<15> CloseupPicture;
    Integer MultipleCopies = 0;  // 0: the item may be in the inventory only once
    Integer Transforms = 0;
    Integer TransformsInto = 0;
    Integer AddsMapLocation = 0;
    Integer MapLocation = 0;
    Integer ChangesFlag = 0;
    Integer Flag = 0;
    Integer FlagValue = 0;
    Integer FlagMode = 0;
    FixedText<15> HeldPointer;
    FixedText<15> CombineSound;
    FixedText<15> Spare29;
    Integer CombineVolume = 0;
    Integer CombinePan = 0;
    Integer Spare32 = 0;

    bool operator==(const InventoryRecord&) const = default;

    template <typename Self, typename Visitor>
    static void Visit(Self& r, Visitor&& visit) {
        visit(RecordField{1, 0}, r.Spare1);
        visit(RecordField{2, 15}, r.Icon);
        visit(RecordField{3, 30}, r.HighlightPointer);
        visit(RecordField{4, 45}, r.CarriedAtStart);
        visit(RecordField{5, 47}, r.Combinable);
        visit(RecordField{6, 49}, r.Partner);
        visit(RecordField{7, 51}, r.Result);
        visit(RecordField{8, 53}, r.RefusalSound);
        visit(RecordField{9, 68}, r.RefusalVolume);
        visit(RecordField{10, 70}, r.RefusalPan);
        visit(RecordField{11, 72}, r.ExamineSound);
        visit(RecordField{12, 87}, r.ExamineVolume);
        visit(RecordField{13, 89}, r.ExaminePan);
        visit(RecordField{14, 91}, r.ExamineKind);
        visit(RecordField{15, 93}, r.CloseupCaption);
        visit(RecordField{16, 123}, r.CloseupPlayMode);
        visit(RecordField{17, 125}, r.CloseupPicture);
        visit(RecordField{18, 140}, r.MultipleCopies);
        visit(RecordField{19, 142}, r.Transforms);
        visit(RecordField{20, 144}, r.TransformsInto);
        visit(RecordField{21, 146}, r.AddsMapLocation);
        visit(RecordField{22, 148}, r.MapLocation);
        visit(RecordField{23, 150}, r.ChangesFlag);
        visit(RecordField{24, 152}, r.Flag);
        visit(RecordField{25, 154}, r.FlagValue);
        visit(RecordField{26, 156}, r.FlagMode);
        visit(RecordField{27, 158}, r.HeldPointer);
        visit(RecordField{28, 173}, r.CombineSound);
        visit(RecordField{29, 188}, r.Spare29);
        visit(RecordField{30, 203}, r.CombineVolume);
        visit(RecordField{31, 205}, r.CombinePan);
        visit(RecordField{32, 207}, r.Spare32);
    }
};

}  // namespace morvane
