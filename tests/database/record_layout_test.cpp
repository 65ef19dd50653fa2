#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "database/game_files.h"
#include "database/record_file.h"
#include "support/game_builder.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

// Field offsets as the game data files lay them out, transcribed field by field.
const std::map<int, std::size_t> kSceneHeaderOffsets = {
    {1, 0},    {2, 15},   {3, 17},   {4, 19},   {5, 21},   {6, 23},   {7, 25},   {8, 40},
    {9, 55},   {10, 57},  {11, 72},  {12, 74},  {13, 76},  {14, 91},  {15, 93},  {16, 95},
    {17, 110}, {18, 112}, {19, 114}, {20, 129}, {21, 131}, {22, 146}, {23, 148}, {24, 150},
    {25, 152}, {26, 154}, {27, 156}, {28, 171}, {29, 186}, {30, 201}, {31, 203}, {32, 205},
    {33, 207}, {34, 209}, {35, 211}, {36, 213}, {37, 215}, {38, 217}, {39, 219}, {40, 221},
    {41, 223}, {42, 225}, {43, 227}, {44, 229}, {45, 231}, {46, 233}, {47, 235}, {48, 237},
    {49, 239}, {50, 241}, {51, 243}, {52, 245}, {53, 247}, {54, 249}, {55, 251}, {56, 253}};

const std::map<int, std::size_t> kObjectOffsets = {
    {0, 0},    {1, 2},    {2, 4},    {3, 6},    {4, 21},   {5, 36},   {6, 51},   {7, 66},
    {8, 81},   {9, 96},   {10, 111}, {11, 126}, {12, 141}, {13, 143}, {14, 145}, {15, 147},
    {16, 149}, {17, 151}, {18, 153}, {19, 155}, {20, 157}, {21, 159}, {22, 161}, {23, 163},
    {24, 165}, {25, 167}, {26, 169}, {27, 171}, {28, 173}, {29, 175}, {30, 177}, {31, 179},
    {32, 181}, {33, 183}, {34, 185}, {35, 187}, {36, 189}, {37, 191}, {38, 193}, {39, 195},
    {40, 197}, {41, 199}, {42, 201}, {43, 203}, {44, 205}};

const std::map<int, std::size_t> kLocationOffsets = {
    {1, 0},   {2, 15},  {3, 30},  {4, 32},  {5, 34},  {6, 36},   {7, 38},   {8, 40},  {9, 42},
    {10, 57}, {11, 59}, {12, 61}, {13, 76}, {14, 91}, {15, 106}, {16, 108}, {17, 110}};

const std::map<int, std::size_t> kInventoryOffsets = {
    {1, 0},    {2, 15},   {3, 30},   {4, 45},   {5, 47},   {6, 49},   {7, 51},   {8, 53},
    {9, 68},   {10, 70},  {11, 72},  {12, 87},  {13, 89},  {14, 91},  {15, 93},  {16, 123},
    {17, 125}, {18, 140}, {19, 142}, {20, 144}, {21, 146}, {22, 148}, {23, 150}, {24, 152},
    {25, 154}, {26, 156}, {27, 158}, {28, 173}, {29, 188}, {30, 203}, {31, 205}, {32, 207}};

const std::map<int, std::size_t> kGeneralOffsets = {
    {1, 0},     {2, 20},    {3, 35},    {4, 37},    {5, 39},    {6, 54},    {7, 56},    {8, 58},
    {9, 73},    {10, 75},   {11, 77},   {12, 79},   {13, 94},   {14, 96},   {15, 111},  {16, 113},
    {17, 133},  {18, 153},  {19, 173},  {20, 193},  {21, 195},  {22, 197},  {23, 199},  {24, 201},
    {25, 203},  {26, 205},  {27, 207},  {28, 209},  {29, 211},  {30, 213},  {31, 215},  {32, 217},
    {33, 219},  {34, 234},  {35, 249},  {36, 264},  {37, 266},  {38, 268},  {39, 270},  {40, 272},
    {41, 274},  {42, 276},  {43, 278},  {44, 280},  {45, 282},  {46, 284},  {47, 299},  {48, 314},
    {49, 329},  {50, 344},  {51, 359},  {52, 361},  {53, 363},  {54, 365},  {55, 367},  {56, 382},
    {57, 397},  {58, 399},  {59, 401},  {60, 403},  {61, 405},  {62, 407},  {63, 409},  {64, 411},
    {65, 426},  {66, 428},  {67, 443},  {68, 445},  {69, 447},  {70, 449},  {71, 451},  {72, 453},
    {73, 468},  {74, 483},  {75, 498},  {76, 513},  {77, 528},  {78, 543},  {79, 558},  {80, 573},
    {81, 588},  {82, 603},  {83, 618},  {84, 633},  {85, 648},  {86, 663},  {87, 678},  {88, 693},
    {89, 708},  {90, 723},  {91, 738},  {92, 753},  {93, 768},  {94, 770},  {95, 772},  {96, 787},
    {97, 789},  {98, 804},  {99, 819},  {100, 821}, {101, 836}, {102, 851}, {103, 853}, {104, 855},
    {105, 857}, {106, 859}, {107, 874}, {108, 876}, {109, 891}, {110, 906}};

// Offset of element 1 of each conversation field; elements follow at the field's width.
const std::map<int, std::size_t> kConversationOffsets = {
    {1, 0},     {2, 2},     {3, 17},    {4, 267},   {5, 277},   {6, 287},   {7, 297},
    {8, 307},   {9, 317},   {10, 392},  {11, 402},  {12, 412},  {13, 662},  {14, 912},
    {15, 1162}, {16, 1412}, {17, 1662}, {18, 1672}, {19, 1682}, {20, 1692}, {21, 1702}};

std::string IntegerBytes(Integer value) {
    const auto bits = static_cast<uint16_t>(value);
    return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

// Checks that every field's value lies in `bytes` at the offset the layout gives for its number.
class FieldsAtOffsets {
  public:
    FieldsAtOffsets(std::string_view bytes, const std::map<int, std::size_t>& offsets,
                    std::size_t base = 0)
        : bytes_(bytes), offsets_(offsets), base_(base) {}

    template <std::size_t Width>
    void operator()(const RecordField& field, const FixedText<Width>& text) {
        Check(field, Width, text.Bytes());
    }
    void operator()(const RecordField& field, const Integer& value) {
        Check(field, 2, IntegerBytes(value));
    }

    int Checked() const { return checked_; }

  private:
    void Check(const RecordField& field, std::size_t width, const std::string& expected) {
        ASSERT_TRUE(offsets_.contains(field.Number)) << "field " << field.Number;
        const std::size_t element = field.Element > 0 ? field.Element - 1 : 0;
        const std::size_t offset = base_ + offsets_.at(field.Number) + width * element;
        EXPECT_EQ(bytes_.substr(offset, width), expected)
            << "field " << field.Number << " element " << field.Element << " at " << offset;
        ++checked_;
    }

    std::string_view bytes_;
    const std::map<int, std::size_t>& offsets_;
    std::size_t base_;
    int checked_ = 0;
};

// The places the structures give for their fields, sorted: they must tile the record exactly.
template <typename Record>
void ExpectFieldsTileRecord(const Record& record) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    const auto collect = [&spans](const RecordField& field, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, Integer>) {
            spans.emplace_back(field.Offset, 2);
        } else {
            spans.emplace_back(field.Offset, value.Bytes().size());
        }
    };
    Record::Visit(record, collect);
    std::sort(spans.begin(), spans.end());
    std::size_t end = 0;
    for (const auto& [offset, width] : spans) {
        EXPECT_EQ(offset, end) << "gap or overlap before offset " << offset;
        end = offset + width;
    }
    EXPECT_EQ(end, Record::kLength);
}

class RecordLayoutTest : public ::testing::Test {
  protected:
    RecordLayoutTest() : builder_(folder_.Path()), game_(testing::DistinctGame()) {
        builder_.Write(game_);
    }

    testing::TempFolder folder_;
    testing::GameBuilder builder_;
    GameData game_;
};

TEST_F(RecordLayoutTest, FieldsCoverEveryByteOfEachRecordOnce) {
    ExpectFieldsTileRecord(game_.Scenes[0]);
    ExpectFieldsTileRecord(game_.Locations[0]);
    ExpectFieldsTileRecord(game_.Items[0]);
    ExpectFieldsTileRecord(*game_.General);
    ExpectFieldsTileRecord(game_.Conversations[0]);
}

TEST_F(RecordLayoutTest, WriterPutsEveryFieldAtItsOffset) {
    const std::string scenes = builder_.ReadRaw("Morvane1.dat");
    ASSERT_EQ(scenes.size(), 3 * SceneRecord::kLength);
    const std::string second_scene = scenes.substr(SceneRecord::kLength, SceneRecord::kLength);
    FieldsAtOffsets header(second_scene, kSceneHeaderOffsets);
    SceneHeader::Visit(game_.Scenes[1].Header, header);
    EXPECT_EQ(header.Checked(), 56);
    for (int k = 1; k <= 20; ++k) {
        FieldsAtOffsets object(second_scene, kObjectOffsets, 255 + 207 * (k - 1));
        ObjectBlock::Visit(game_.Scenes[1].Objects(k), object);
        EXPECT_EQ(object.Checked(), 45);
    }

    const auto check_file = [this](const std::string& name, const auto& records,
                                   const std::map<int, std::size_t>& offsets, int fields) {
        using Record = std::decay_t<decltype(records[0])>;
        const std::string bytes = builder_.ReadRaw(name);
        ASSERT_EQ(bytes.size(), records.size() * Record::kLength) << name;
        for (std::size_t i = 0; i < records.size(); ++i) {
            FieldsAtOffsets check(bytes, offsets, i * Record::kLength);
            Record::Visit(records[i], check);
            EXPECT_EQ(check.Checked(), fields) << name;
        }
    };
    check_file("Morvane2.dat", game_.Locations, kLocationOffsets, 17);
    check_file("Morvane3.dat", game_.Items, kInventoryOffsets, 32);
    check_file("Morvane4.dat", std::vector<GeneralRecord>{*game_.General}, kGeneralOffsets, 110);
    check_file("Morvane5.dat", game_.Conversations, kConversationOffsets, 2 + 19 * 5);
}

TEST_F(RecordLayoutTest, ObjectTwentyFillsTheEndOfTheSceneRecord) {
    const std::string bytes = builder_.ReadRaw("Morvane1.dat").substr(0, SceneRecord::kLength);
    const ObjectBlock& last = game_.Scenes[0].Objects(20);
    EXPECT_EQ(bytes.substr(4188, 2), IntegerBytes(last.Kind));
    EXPECT_EQ(bytes.substr(4188 + 6, 15), last.S(3).Bytes());
    EXPECT_EQ(bytes.substr(4393, 2), IntegerBytes(last.P(44)));
}

TEST_F(RecordLayoutTest, ArrowGroupsAreInterleavedInTheHeader) {
    const std::string bytes = builder_.ReadRaw("Morvane1.dat");
    const ArrowValues& b = game_.Scenes[0].Header.Arrows[1];
    EXPECT_EQ(bytes.substr(211, 2), IntegerBytes(b[0]));  // field 35
    EXPECT_EQ(bytes.substr(213, 2), IntegerBytes(b[1]));  // field 36
    for (std::size_t value = 3; value <= 6; ++value) {    // fields 45 to 48
        EXPECT_EQ(bytes.substr(231 + 2 * (value - 3), 2), IntegerBytes(b[value - 1]));
    }
    const ArrowValues& d = game_.Scenes[0].Header.Arrows[3];
    EXPECT_EQ(bytes.substr(219, 2), IntegerBytes(d[0]));  // field 39
    EXPECT_EQ(bytes.substr(253, 2), IntegerBytes(d[5]));  // field 56
    EXPECT_EQ(kArrowControlOfGroup[1], 3);
    EXPECT_EQ(kArrowControlOfGroup[3], 2);
}

TEST_F(RecordLayoutTest, ReadersGiveBackEveryFieldWritten) {
    const GamePaths paths(folder_.Path());
    EXPECT_EQ(ReadGameFiles(paths), game_);

    RecordFile scenes = RecordFile::Open<SceneRecord>(paths);
    EXPECT_EQ(scenes.Read<SceneRecord>(3), game_.Scenes[2]);
    RecordFile conversations = RecordFile::Open<ConversationRecord>(paths);
    EXPECT_EQ(conversations.Read<ConversationRecord>(2), game_.Conversations[1]);
}

}  // namespace
}  // namespace morvane
