#include "base/table.h"
#include "support/runtime_errors.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(Table, AcceptsItsBoundsAndRejectsTheRestWithSubscriptError) {
    Table<int, 1, 20> slots;
    slots(1) = 7;
    slots(20) = 9;
    EXPECT_EQ(slots(1), 7);
    EXPECT_EQ(slots(20), 9);
    for (const long long bad : {0LL, 21LL, -1LL, 1LL << 40}) {
        EXPECT_EQ(testing::ErrorNumberOf([&] { slots(bad) = 1; }), 9) << "index " << bad;
    }
}

TEST(Table, ZeroBasedTablesIncludeIndexZero) {
    Table<short, 0, 255> flags;
    flags(0) = 3;
    flags(255) = 4;
    EXPECT_EQ(flags(0), 3);
    EXPECT_EQ(flags(255), 4);
    EXPECT_FALSE(flags.InBounds(256));
}

}  // namespace
}  // namespace morvane
