#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "base/integer.h"
#include "database/fixed_text.h"
#include "database/record_field.h"

namespace morvane {

inline constexpr int kConversationLines = 5;

// A cue card, 1712 bytes: a leading Integer and text, then arrays of five elements, one per line,
// each array stored whole before the next.
struct ConversationRecord {
    static constexpr std::size_t kLength = 1712;
    // The literal the file is opened by, appended to the game folder.
    static constexpr std::string_view kPath = "resource\\Morvane5.dat";

    template <typename T>
    using PerLine = std::array<T, kConversationLines>;

    Integer Spare1 = 0;
    FixedText<15> Spare2;
    PerLine<FixedText<50>> LineText;
    PerLine<Integer> LineSetsFlag{};
    PerLine<Integer> LineFlag{};
    PerLine<Integer> LineFlagValue{};
    PerLine<Integer> LineFlagMode{};
    PerLine<Integer> LineMediaOn{};
    PerLine<FixedText<15>> LineMedia;
    PerLine<Integer> LineVolume{};
    PerLine<Integer> LinePan{};
    std::array<PerLine<FixedText<50>>, 5> SpareTexts;  // fields 12 to 16
    std::array<PerLine<Integer>, 5> SpareIntegers{};   // fields 17 to 21

    bool operator==(const ConversationRecord&) const = default;

    template <typename Self, typename Visitor>
    static void Visit(Self& r, Visitor&& visit) {
        const auto lines = [&visit](int number, std::size_t offset, std::size_t width,
                                    auto& items) {
            for (std::size_t i = 0; i < items.size(); ++i) {
                visit(RecordField{number, offset + width * i, static_cast<int>(i) + 1}, items[i]);
            }
        };
        visit(RecordField{1, 0}, r.Spare1);
        visit(RecordField{2, 2}, r.Spare2);
        lines(3, 17, 50, r.LineText);
        lines(4, 267, 2, r.LineSetsFlag);
        lines(5, 277, 2, r.LineFlag);
        lines(6, 287, 2, r.LineFlagValue);
        lines(7, 297, 2, r.LineFlagMode);
        lines(8, 307, 2, r.LineMediaOn);
        lines(9, 317, 15, r.LineMedia);
        lines(10, 392, 2, r.LineVolume);
        lines(11, 402, 2, r.LinePan);
        for (std::size_t k = 0; k < r.SpareTexts.size(); ++k) {
            lines(12 + static_cast<int>(k), 412 + 250 * k, 50, r.SpareTexts[k]);
        }
        for (std::size_t k = 0; k < r.SpareIntegers.size(); ++k) {
            lines(17 + static_cast<int>(k), 1662 + 10 * k, 2, r.SpareIntegers[k]);
        }
    }
};

}  // namespace morvane
