#pragma once

#include <cstddef>
#include <string_view>

#include "base/integer.h"
#include "database/fixed_text.h"
#include "database/record_field.h"

namespace morvane {

// A map location, 112 bytes. Record 1 also carries the map's background picture.
struct LocationRecord {
    static constexpr std::size_t kLength = 112;
    // The literal the file is opened by, appended to the game folder.
    static constexpr std::string_view kPath = "resource\\Morvane2.dat";

    FixedText<15> Spare1;
    FixedText<15> Picture;  // "Del" or empty: no location; "(None)": a location without picture
    Integer Left = 0;
    Integer Top = 0;
    Integer Spare5 = 0;
    Integer Scene = 0;
    Integer Available = 0;
    Integer PlaysFile = 0;
    FixedText<15> File;
    Integer Volume = 0;
    Integer Pan = 0;
    FixedText<15> MapPicture;
    FixedText<15> Spare13;
    FixedText<15> Spare14;
    Integer Spare15 = 0;
    Integer Spare16 = 0;
    Integer Spare17 = 0;

    bool operator==(const LocationRecord&) const = default;

    template <typename Self, typename Visitor>
    static void Visit(Self& r, Visitor&& visit) {
        visit(RecordField{1, 0}, r.Spare1);
        visit(RecordField{2, 15}, r.Picture);
        visit(RecordField{3, 30}, r.Left);
        visit(RecordField{4, 32}, r.Top);
        visit(RecordField{5, 34}, r.Spare5);
        visit(RecordField{6, 36}, r.Scene);
        visit(RecordField{7, 38}, r.Available);
        visit(RecordField{8, 40}, r.PlaysFile);
        visit(RecordField{9, 42}, r.File);
        visit(RecordField{10, 57}, r.Volume);
        visit(RecordField{11, 59}, r.Pan);
        visit(RecordField{12, 61}, r.MapPicture);
        visit(RecordField{13, 76}, r.Spare13);
        visit(RecordField{14, 91}, r.Spare14);
        visit(RecordField{15, 106}, r.Spare15);
        visit(RecordField{16, 108}, r.Spare16);
        visit(RecordField{17, 110}, r.Spare17);
    }
};

}  // namespace morvane
