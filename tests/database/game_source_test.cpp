#include "database/game_source.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/game_builder.h"

namespace morvane {
namespace {

using nlohmann::json;

std::string ErrorOf(const std::string& source) {
    try {
        ParseGameSource(source);
    } catch (const GameSourceError& error) {
        return error.what();
    }
    return "";
}

TEST(GameSourceTest, DumpThenParseGivesBackEveryField) {
    const GameData game = testing::DistinctGame();
    EXPECT_EQ(ParseGameSource(DumpGameSource(game)), game);
}

TEST(GameSourceTest, DumpHasEveryKeyAndTheCounts) {
    const json document = json::parse(DumpGameSource(testing::DistinctGame()));
    EXPECT_EQ(document["counts"],
              (json{{"scenes", 3}, {"locations", 3}, {"items", 3}, {"conversations", 3}}));
    EXPECT_EQ(document["general"].size(), 110u);
    EXPECT_EQ(document["scenes"][0]["header"].size(), 32u);
    EXPECT_EQ(document["scenes"][0]["arrows"].size(), 4u);
    EXPECT_EQ(document["scenes"][0]["objects"].size(), 20u);
    EXPECT_EQ(document["scenes"][0]["objects"][19].size(), 45u);
    EXPECT_TRUE(document["scenes"][0]["objects"][19].contains("p44"));
    EXPECT_EQ(document["locations"][2].size(), 17u);
    EXPECT_EQ(document["items"][0].size(), 32u);
    EXPECT_EQ(document["conversations"][0].size(), 21u);
    EXPECT_EQ(document["conversations"][0]["21"].size(), 5u);
}

TEST(GameSourceTest, TextsAreTrimmedInTheDumpAndPaddedWhenBuilt) {
    GameData game;
    game.Scenes.emplace_back();
    game.Scenes[0].Objects(4).S(3) = FixedText<15>("  lamp.gif   ");
    game.Scenes[0].Header.Arrows[1][1] = 7;
    game.Items.emplace_back();
    game.Items[0].CloseupCaption = FixedText<30>("Caf\xE9 \x80");
    const json document = json::parse(DumpGameSource(game));
    EXPECT_EQ(document["scenes"][0]["objects"][3]["s3"], "lamp.gif");
    EXPECT_EQ(document["scenes"][0]["arrows"]["B"][1], 7);
    EXPECT_EQ(document["items"][0]["15"], "Caf\u00e9 \u20ac");

    const GameData built = ParseGameSource(document.dump());
    EXPECT_EQ(built.Scenes[0].Objects(4).S(3).Bytes(), "lamp.gif       ");
    EXPECT_EQ(built.Items[0].CloseupCaption, game.Items[0].CloseupCaption);
}

TEST(GameSourceTest, AbsentKeysAreBlank) {
    const GameData game = ParseGameSource(R"({"scenes": [{"header": {"1": "Hall"}}],
                                               "conversations": [{"3": ["Hello"]}]})");
    ASSERT_EQ(game.Scenes.size(), 1u);
    SceneRecord expected;
    expected.Header.SceneTitle = FixedText<15>("Hall");
    EXPECT_EQ(game.Scenes[0], expected);
    EXPECT_EQ(game.Conversations[0].LineText[0].Trimmed(), "Hello");
    EXPECT_EQ(game.Conversations[0].LineText[1].Bytes(), std::string(50, ' '));
    EXPECT_EQ(game.General, GeneralRecord{});
    EXPECT_TRUE(game.Locations.empty());
}

TEST(GameSourceTest, NullGeneralMeansNoGeneralRecord) {
    EXPECT_FALSE(ParseGameSource(R"({"general": null})").General);
}

TEST(GameSourceTest, RefusesTextsThatDoNotFit) {
    EXPECT_EQ(ErrorOf(R"({"scenes": [{}, {"objects": [{}, {}, {"s4": "a_name_too_long.gif"}]}]})"),
              "scene 2 object 3 s4: text longer than 15 characters");
    EXPECT_EQ(ErrorOf(R"({"general": {"1": "Twenty-one characters"}})"),
              "general field 1: text longer than 20 characters");
    EXPECT_EQ(ErrorOf(R"({"items": [{"2": "\u0142ódź.gif"}]})"),
              "item 1 field 2: character outside Windows-1252");
    EXPECT_EQ(ErrorOf(R"({"conversations": [{"3": ["", "\u4e2d"]}]})"),
              "conversation 1 field 3 line 2: character outside Windows-1252");
}

TEST(GameSourceTest, RefusesNumbersOutsideSixteenBits) {
    EXPECT_EQ(ErrorOf(R"({"locations": [{"3": 32768}]})"),
              "location 1 field 3: expected a whole number from -32768 to 32767");
    EXPECT_EQ(ErrorOf(R"({"scenes": [{"arrows": {"C": [1, 2.5]}}]})"),
              "scene 1 arrow C value 2: expected a whole number from -32768 to 32767");
    EXPECT_NE(ErrorOf(R"({"locations": [{"3": "12"}]})"), "");
    EXPECT_EQ(ErrorOf(R"({"locations": [{"3": -32768, "4": 32767}]})"), "");
}

TEST(GameSourceTest, RefusesWhatNoFieldReads) {
    EXPECT_EQ(ErrorOf(R"({"scenes": [{"header": {"57": 1}}]})"), "scene 1: unknown key \"57\"");
    EXPECT_EQ(ErrorOf(R"({"scene": []})"), "unknown key \"scene\"");
    EXPECT_EQ(ErrorOf(R"({"scenes": [{"arrows": {"A": [1, 2, 3, 4, 5, 6, 7]}}]})"),
              "scene 1: \"A\" has more than 6 elements");
    std::string objects = "{}";
    for (int i = 2; i <= 21; ++i) {
        objects += ", {}";
    }
    EXPECT_EQ(ErrorOf(R"({"scenes": [{"objects": [)" + objects + "]}]}"),
              "scene 1: \"objects\" must be an array of at most 20 objects");
}

TEST(GameSourceTest, MalformedJsonIsOneLine) {
    const std::string message = ErrorOf(R"({"scenes": [)");
    EXPECT_TRUE(message.starts_with("malformed JSON: ")) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos);
    EXPECT_EQ(ErrorOf("[1, 2]"), "the document must be a JSON object");
}

}  // namespace
}  // namespace morvane
