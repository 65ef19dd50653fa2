#include "forms/notify_log.h"

#include <gtest/gtest.h>

#include <string>

#include "forms_fixture.h"

namespace morvane {
namespace {

class NotifyLogTest : public testing::FormsTest {
  protected:
    ListBox& List() { return forms_.NoWin.List1; }
    void Append(int first, int last, int limit = kNotifyLogLimit) {
        for (int n = first; n <= last; ++n) {
            AppendNotifyLine(List(), "line " + std::to_string(n), limit);
        }
    }
};

TEST_F(NotifyLogTest, KeepsEveryLineUpToTheLimitWithTheNewestSelected) {
    Append(1, 3);
    ASSERT_EQ(List().ListCount(), 3);
    EXPECT_EQ(List().List(0), "line 1");
    EXPECT_EQ(List().List(2), "line 3");
    EXPECT_EQ(List().ListIndex(), 2);
}

TEST_F(NotifyLogTest, HoldsAtItsLimitDroppingTheOldestLines) {
    Append(1, kNotifyLogLimit + 25);
    ASSERT_EQ(List().ListCount(), kNotifyLogLimit);
    EXPECT_EQ(List().List(0), "line 26");
    EXPECT_EQ(List().List(kNotifyLogLimit - 1), "line " + std::to_string(kNotifyLogLimit + 25));
    EXPECT_EQ(List().ListIndex(), kNotifyLogLimit - 1);

    // A list that somehow holds more than the limit is brought down to it by the next line.
    for (int n = 0; n < 5; ++n) {
        List().AddItem("extra");
    }
    Append(1, 1, 4);
    ASSERT_EQ(List().ListCount(), 4);
    EXPECT_EQ(List().List(3), "line 1");
}

}  // namespace
}  // namespace morvane
