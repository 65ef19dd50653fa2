#include "debug/numeric_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "base/runtime_error.h"

namespace morvane {
namespace {

struct EntryCase {
    std::string text;
    int expected;
};

// Numbers typed into the debug window's boxes, read as the classic Val reads them.
TEST(NumericEntryTest, ReadsTheLeadingNumberAndRoundsHalfToEven) {
    const EntryCase cases[] = {
        {"", 0},       {"lamp", 0}, {"12", 12},       {"  12  ", 12},     {"1 2", 12},
        {"12abc", 12}, {"-7", -7},  {"+7", 7},        {"2.5", 2},         {"3.5", 4},
        {"-2.5", -2},  {"0.49", 0}, {".5", 0},        {"1.5", 2},         {"1e2", 100},
        {"1E", 1},     {"2d1", 20}, {"&H10", 16},     {"&hff", 255},      {"&HFFFF", -1},
        {"&O17", 15},  {"-", 0},    {"32767", 32767}, {"-32768", -32768}, {"32767.4", 32767},
        {"1.2.3", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumberFromEntry(c.text), c.expected);
    }
}

TEST(NumericEntryTest, NumbersBeyondAnIntegerAreOverflows) {
    for (const std::string text : {"32768", "-32769", "1e10", "32767.5", "&H12345", "1e400"}) {
        SCOPED_TRACE(text);
        try {
            NumberFromEntry(text);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 6);
        }
    }
}

}  // namespace
}  // namespace morvane
