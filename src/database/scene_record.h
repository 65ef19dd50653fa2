#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "base/integer.h"
#include "base/table.h"
#include "database/fixed_text.h"
#include "database/record_field.h"

namespace morvane {

// The four navigation arrows of a scene are stored as groups A to D with six values each:
// 1 pointer, 2 target scene, 3 top, 4 left, 5 width, 6 height.
inline constexpr int kArrowGroups = 4;
inline constexpr int kArrowValues = 6;
using ArrowValues = std::array<Integer, kArrowValues>;

// Group A, B, C, D drives the arrow control Directionl(1), (3), (4), (2).
inline constexpr std::array<int, kArrowGroups> kArrowControlOfGroup = {1, 3, 4, 2};

// The header field number (33 to 56) that holds value 1..6 of group 0..3: the file stores values
// 1 and 2 of all four groups first, then values 3 to 6 of all four.
constexpr int ArrowFieldNumber(int group, int value) {
    return value <= 2 ? 33 + 2 * group + (value - 1) : 41 + 4 * group + (value - 3);
}

// The 255-byte scene header: fields 1 to 32 by name, fields 33 to 56 as the arrow groups.
struct SceneHeader {
    FixedText<15> SceneTitle;
    Integer JumpEnabled = 0;
    Integer JumpFlag = 0;
    Integer JumpOp = 0;
    Integer JumpValue = 0;
    Integer JumpScene = 0;
    FixedText<15> Background;
    FixedText<15> SceneSoundtrack;
    Integer SceneSoundtrackVolume = 0;
    FixedText<15> EnterSound;
    Integer EnterSoundVolume = 0;
    Integer EnterSoundPan = 0;
    FixedText<15> ExitSound;
    Integer ExitSoundVolume = 0;
    Integer ExitSoundPan = 0;
    FixedText<15> LoopSound;
    Integer LoopSoundVolume = 0;
    Integer LoopSoundPan = 0;
    FixedText<15> EnterMovie;
    Integer EnterMovieVolume = 0;
    FixedText<15> ExitMovie;
    Integer ExitMovieVolume = 0;
    Integer EntryFlagEnabled = 0;
    Integer EntryFlag = 0;
    Integer EntryFlagValue = 0;
    Integer EntryFlagMode = 0;
    FixedText<15> Spare27;
    FixedText<15> Spare28;
    FixedText<15> Spare29;
    Integer Spare30 = 0;
    Integer Spare31 = 0;
    Integer Spare32 = 0;
    std::array<ArrowValues, kArrowGroups> Arrows{};  // groups A, B, C, D

    bool operator==(const SceneHeader&) const = default;

    template <typename Self, typename Visitor>
    static void Visit(Self& h, Visitor&& visit) {
        visit(RecordField{1, 0}, h.SceneTitle);
        visit(RecordField{2, 15}, h.JumpEnabled);
        visit(RecordField{3, 17}, h.JumpFlag);
        visit(RecordField{4, 19}, h.JumpOp);
        visit(RecordField{5, 21}, h.JumpValue);
        visit(RecordField{6, 23}, h.JumpScene);
        visit(RecordField{7, 25}, h.Background);
        visit(RecordField{8, 40}, h.SceneSoundtrack);
        visit(RecordField{9, 55}, h.SceneSoundtrackVolume);
        visit(RecordField{10, 57}, h.EnterSound);
        visit(RecordField{11, 72}, h.EnterSoundVolume);
        visit(RecordField{12, 74}, h.EnterSoundPan);
        visit(RecordField{13, 76}, h.ExitSound);
        visit(RecordField{14, 91}, h.ExitSoundVolume);
        visit(RecordField{15, 93}, h.ExitSoundPan);
        visit(RecordField{16, 95}, h.LoopSound);
        visit(RecordField{17, 110}, h.LoopSoundVolume);
        visit(RecordField{18, 112}, h.LoopSoundPan);
        visit(RecordField{19, 114}, h.EnterMovie);
        visit(RecordField{20, 129}, h.EnterMovieVolume);
        visit(RecordField{21, 131}, h.ExitMovie);
        visit(RecordField{22, 146}, h.ExitMovieVolume);
        visit(RecordField{23, 148}, h.EntryFlagEnabled);
        visit(RecordField{24, 150}, h.EntryFlag);
        visit(RecordField{25, 152}, h.EntryFlagValue);
        visit(RecordField{26, 154}, h.EntryFlagMode);
        visit(RecordField{27, 156}, h.Spare27);
        visit(RecordField{28, 171}, h.Spare28);
        visit(RecordField{29, 186}, h.Spare29);
        visit(RecordField{30, 201}, h.Spare30);
        visit(RecordField{31, 203}, h.Spare31);
        visit(RecordField{32, 205}, h.Spare32);
        for (int group = 0; group < kArrowGroups; ++group) {
            for (int value = 1; value <= kArrowValues; ++value) {
                const int number = ArrowFieldNumber(group, value);
                visit(
                    RecordField{number, 207 + 2 * static_cast<std::size_t>(number - 33)},
                    h.Arrows[static_cast<std::size_t>(group)][static_cast<std::size_t>(value - 1)]);
            }
        }
    }
};

// One 207-byte object block, its 45 fields named by position: 0 the kind, 1 and 2 the left and
// top, s3 to s11 texts, p12 to p44 Integers.
struct ObjectBlock {
    static constexpr std::size_t kLength = 207;

    Integer Kind = 0;
    Integer Pos1 = 0;
    Integer Pos2 = 0;
    Table<FixedText<15>, 3, 11> S;
    Table<Integer, 12, 44> P;

    bool operator==(const ObjectBlock&) const = default;

    template <typename Self, typename Visitor>
    static void Visit(Self& block, Visitor&& visit) {
        visit(RecordField{0, 0}, block.Kind);
        visit(RecordField{1, 2}, block.Pos1);
        visit(RecordField{2, 4}, block.Pos2);
        for (int position = 3; position <= 11; ++position) {
            visit(RecordField{position, 6 + 15 * static_cast<std::size_t>(position - 3)},
                  block.S(position));
        }
        for (int position = 12; position <= 44; ++position) {
            visit(RecordField{position, 141 + 2 * static_cast<std::size_t>(position - 12)},
                  block.P(position));
        }
    }
};

inline constexpr int kObjectSlots = 20;

// A scene record: the header and 20 object blocks, 255 + 20 x 207 = 4395 bytes.
struct SceneRecord {
    static constexpr std::size_t kLength = 4395;
    // The literal the file is opened by, appended to the game folder.
    static constexpr std::string_view kPath = "resource/Morvane1.dat";
    static constexpr std::size_t kHeaderLength = 255;

    SceneHeader Header;
    Table<ObjectBlock, 1, kObjectSlots> Objects;

    bool operator==(const SceneRecord&) const = default;

    static constexpr std::size_t ObjectOffset(int object) {
        return kHeaderLength + ObjectBlock::kLength * static_cast<std::size_t>(object - 1);
    }

    // Object fields are handed on with their offsets from the start of the record.
    template <typename Self, typename Visitor>
    static void Visit(Self& record, Visitor&& visit) {
        SceneHeader::Visit(record.Header, visit);
        for (int object = 1; object <= kObjectSlots; ++object) {
            const std::size_t base = ObjectOffset(object);
            ObjectBlock::Visit(record.Objects(object), [&](RecordField field, auto& value) {
                field.Offset += base;
                visit(field, value);
            });
        }
    }
};

}  // namespace morvane
