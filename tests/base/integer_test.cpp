#include "base/integer.h"

#include <gtest/gtest.h>

#include "support/runtime_errors.h"

namespace morvane {
namespace {

using testing::ErrorNumberOf;

TEST(IntegerArithmetic, StaysInsideSixteenBitsOrRaisesOverflow) {
    EXPECT_EQ(AddInteger(32766, 1), 32767);
    EXPECT_EQ(SubInteger(-32767, 1), -32768);
    EXPECT_EQ(ErrorNumberOf([] { AddInteger(32767, 1); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { SubInteger(-32768, 1); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { MulInteger(200, 200); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { ToLong(1LL << 40); }), 6);
}

TEST(IntegerArithmetic, RoundsHalfToEven) {
    EXPECT_EQ(RoundToInteger(2.5), 2);
    EXPECT_EQ(RoundToInteger(3.5), 4);
    EXPECT_EQ(RoundToInteger(-2.5), -2);
    EXPECT_EQ(RoundToInteger(2.51), 3);
    EXPECT_EQ(RoundToInteger(32767.4), 32767);
    EXPECT_EQ(ErrorNumberOf([] { RoundToInteger(32767.5); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { RoundToInteger(-32768.6); }), 6);
}

TEST(RuntimeErrors, CarryTheClassicNumbersAndTrapText) {
    const RuntimeError overflow(ErrorNumber::kOverflow);
    EXPECT_EQ(overflow.Description(), "Overflow");
    EXPECT_EQ(RuntimeError(ErrorNumber::kSubscriptOutOfRange).Description(),
              "Subscript out of range");
    EXPECT_EQ(RuntimeError(ErrorNumber::kBadRecordNumber).Description(), "Bad record number");
    EXPECT_EQ(TrapMessage("LoadScene", RuntimeError(ErrorNumber::kFileNotFound)),
              "Unexpected error in procedure: LoadScene\r\nError #53: File not found");
}

// The errors the controls and the media raise keep their classic numbers and texts.
TEST(RuntimeErrors, ControlAndMediaErrorsAreClassicToo) {
    const struct {
        ErrorNumber number;
        int classic;
        const char* description;
    } cases[] = {
        {ErrorNumber::kInvalidFileFormat, 321, "Invalid file format"},
        {ErrorNumber::kInvalidPropertyValue, 380, "Invalid property value"},
        {ErrorNumber::kInvalidPropertyArrayIndex, 381, "Invalid property array index"},
        {ErrorNumber::kInvalidPictureFormat, 481, "Invalid picture"},
    };
    for (const auto& c : cases) {
        const RuntimeError error(c.number);
        EXPECT_EQ(error.Number(), c.classic);
        EXPECT_EQ(error.Description(), c.description);
        EXPECT_EQ(ErrorNumberOf([&] { Raise(c.number); }), c.classic);
    }
}

}  // namespace
}  // namespace morvane
