#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sdl/font.h"
#include "platform/sdl/key_codes.h"
#include "platform/sdl/sdl_library.h"

namespace morvane::sdl {
namespace {

class TextTest : public ::testing::Test {
  protected:
    SdlLibrary library_;
    Font font_;
};

TEST_F(TextTest, GameTextIsLaidOutAsWindows1252) {
    // 0xE9 is é and 0x80 the euro sign in the game's texts.
    EXPECT_EQ(font_.WrapLines("Caf\xe9 \x80", 0),
              std::vector<std::string>{"Caf\xc3\xa9 \xe2\x82\xac"});
    EXPECT_EQ(font_.Measure("Caf\xc3\xa9"), font_.Measure(font_.WrapLines("Caf\xe9", 0).front()));
    EXPECT_GT(font_.Measure("Caf\xc3\xa9"), font_.Measure("Caf"));
}

TEST_F(TextTest, LinesBreakAtLineBreaksThenBetweenWords) {
    EXPECT_EQ(font_.WrapLines("one\r\ntwo\nthree\r\r\nfour", 0),
              (std::vector<std::string>{"one", "two", "three", "", "four"}));

    const std::string text = "the brass key opens the cellar door";
    const int width = font_.Measure("the brass key op");
    const auto lines = font_.WrapLines(text, width);
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const auto& line : lines) {
        EXPECT_LE(font_.Measure(line), width) << line;
        EXPECT_NE(line.front(), ' ');
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, text);

    // A word longer than the line is cut between characters, never lost.
    const auto cut = font_.WrapLines("abcdefghijklmnopqrstuvwxyz", font_.Measure("abcdefgh"));
    std::string rejoined;
    for (const auto& line : cut) {
        EXPECT_FALSE(line.empty());
        rejoined += line;
    }
    EXPECT_EQ(rejoined, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_GT(cut.size(), 2u);
}

TEST(KeyCodesTest, KeysAndTextBecomeTheGamesCodes) {
    EXPECT_EQ(KeyCodeOf(SDLK_a), 'A');
    EXPECT_EQ(KeyCodeOf(SDLK_7), '7');
    EXPECT_EQ(KeyCodeOf(SDLK_F12), 123);
    EXPECT_EQ(KeyCodeOf(SDLK_ESCAPE), 27);
    EXPECT_EQ(KeyCodeOf(SDLK_LEFT), 37);
    EXPECT_EQ(KeyCodeOf(SDLK_CAPSLOCK), 0);
    EXPECT_EQ(ShiftStateOf(KMOD_LSHIFT | KMOD_RCTRL | KMOD_LALT), 7);
    EXPECT_EQ(TypedBytes("a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z"),
              (std::vector<unsigned char>{'a', 0xE9, 0x80, 'z'}));
}

}  // namespace
}  // namespace morvane::sdl
