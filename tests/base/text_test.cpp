#include "base/text.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(Text, TrimRemovesOnlySpacesAtBothEnds) {
    EXPECT_EQ(Trim("  lamp.gif   "), "lamp.gif");
    EXPECT_EQ(Trim("               "), "");
    EXPECT_EQ(Trim("a b"), "a b");
    EXPECT_EQ(TrimRight("  x  "), "  x");
}

TEST(Text, StrPutsASpaceBeforeNonNegativeNumbers) {
    EXPECT_EQ(Str(1), " 1");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-4), "-4");
}

TEST(Text, Windows1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);
    EXPECT_EQ(Windows1252ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
}

TEST(Text, Utf8WithoutAWindows1252ByteIsRefused) {
    EXPECT_FALSE(Utf8ToWindows1252("\xE6\x97\xA5"));  // a CJK character
    EXPECT_FALSE(Utf8ToWindows1252("\xC3"));          // truncated sequence
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x80\x94"), "\x97");
}

TEST(Text, CaseFoldingForFileNames) {
    EXPECT_TRUE(EqualsIgnoreCase("Lamp.GIF", "lamp.gif"));
    EXPECT_TRUE(EndsWithIgnoreCase("intro.AVI", ".avi"));
    EXPECT_FALSE(EndsWithIgnoreCase("avi", ".avi"));
}

TEST(Text, FileKindIsTheLastThreeCharactersInLowerCase) {
    const struct {
        const char* name;
        const char* kind;
    } cases[] = {
        {"Theme.WAV", "wav"}, {"menu.mid", "mid"}, {"intro.Avi", "avi"}, {"song.mp3", "mp3"},
        {"tune.midi", "idi"}, {"MP3", "mp3"},      {"ab", "ab"},         {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(FileKind(c.name), c.kind) << c.name;
    }
}

}  // namespace
}  // namespace morvane
