#include "engine/flags.h"

#include <gtest/gtest.h>

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

TEST_F(CheckFlagTest, ComparesTheFlagWithTheValue) {
    state_.Flags(7) = 1;
    EXPECT_TRUE(Check(7, 2, 3));
    EXPECT_FALSE(Check(7, 3, 3));
    EXPECT_FALSE(Check(7, 0, 3));
    EXPECT_TRUE(Check(7, 1, 3));
    state_.Flags(7) = 3;
    EXPECT_FALSE(Check(7, 2, 3));
    EXPECT_FALSE(Check(7, 3, 3));
    EXPECT_TRUE(Check(7, 0, 3));
    EXPECT_FALSE(Check(7, 1, 3));
    state_.Flags(7) = 4;
    EXPECT_TRUE(Check(7, 3, 3));
    state_.Flags(7) = 5;
    EXPECT_FALSE(Check(7, 2, 3));
    EXPECT_TRUE(Check(7, 3, 3));
}

TEST_F(CheckFlagTest, ComparesNumerically) {
    state_.Flags(9) = -2;
    EXPECT_TRUE(Check(9, 2, -1.5));
    EXPECT_TRUE(Check(9, 3, -2.5));
    EXPECT_FALSE(Check(9, 0, -2.5));
    state_.Flags(255) = 32767;
    EXPECT_TRUE(Check(255, 2, 40000));
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
