#include "engine/flags.h"

#include <gtest/gtest.h>

#include <string>

#include "base/runtime_error.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

class CheckFlagTest : public ::testing::Test {
  protected:
    CheckFlagTest() : state_(GamePaths(folder_.Path())) {}

    bool Check(int flag, int op, double value) {
        return CheckFlag(state_, ToInteger(flag), ToInteger(op), value);
    }

    testing::TempFolder folder_;
    GameState state_;
};

// Operators: 0 equal, 1 not equal, 2 less than, 3 greater than; the value compares as a number.
TEST_F(CheckFlagTest, ComparesTheFlagWithTheValue) {
    struct Case {
        int flag;
        Integer holds;
        int op;
        double value;
        bool expected;
    };
    for (const Case& c : {Case{7, 1, 2, 3, true}, Case{7, 1, 3, 3, false}, Case{7, 1, 0, 3, false},
                          Case{7, 1, 1, 3, true}, Case{7, 3, 2, 3, false}, Case{7, 3, 3, 3, false},
                          Case{7, 3, 0, 3, true}, Case{7, 3, 1, 3, false}, Case{7, 4, 3, 3, true},
                          Case{7, 5, 2, 3, false}, Case{7, 5, 3, 3, true},
                          Case{9, -2, 2, -1.5, true}, Case{9, -2, 3, -2.5, true},
                          Case{9, -2, 0, -2.5, false}, Case{255, 32767, 2, 40000, true}}) {
        SCOPED_TRACE("flag " + std::to_string(c.flag) + " = " + std::to_string(c.holds) + ", op " +
                     std::to_string(c.op) + ", value " + std::to_string(c.value));
        state_.Flags(c.flag) = c.holds;
        EXPECT_EQ(Check(c.flag, c.op, c.value), c.expected);
    }
}

TEST_F(CheckFlagTest, UnknownOperatorsAreFalseWithoutTouchingTheTable) {
    state_.Flags(7) = 3;
    for (const int op : {4, -1, 9, 32767}) {
        EXPECT_FALSE(Check(7, op, 3)) << op;
        EXPECT_FALSE(Check(300, op, 0)) << op;
        EXPECT_FALSE(Check(-1, op, 0)) << op;
    }
}

TEST_F(CheckFlagTest, FlagOutsideTheTableIsSubscriptOutOfRange) {
    for (const int flag : {300, 256, -1}) {
        for (const int op : {0, 1, 2, 3}) {
            try {
                Check(flag, op, 0);
                ADD_FAILURE() << "flag " << flag << " op " << op << " raised nothing";
            } catch (const RuntimeError& error) {
                EXPECT_EQ(error.Number(), 9);
                EXPECT_EQ(error.Description(), "Subscript out of range");
            }
        }
    }
}

TEST_F(CheckFlagTest, FlagZeroExistsAndHoldsZero) {
    EXPECT_TRUE(Check(0, 0, 0));
    EXPECT_TRUE(Check(255, 0, 0));
}

}  // namespace
}  // namespace morvane
