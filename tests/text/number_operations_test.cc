#include "text/number_operations.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(NumberOperationsTest, DivisionTruncatesAndTheRemainderTakesTheDividendsSign) {
  EXPECT_EQ(IntDivide(7, 4), 1);
  EXPECT_EQ(IntDivide(-7, 4), -1);
  EXPECT_EQ(IntModulo(7, 4), 3);
  EXPECT_EQ(IntModulo(-7, 4), -3);
  EXPECT_EQ(IntModulo(7, -4), 3);
  EXPECT_EQ(IntModulo(258, 256), 2);
}

TEST(NumberOperationsTest, Shifts) {
  EXPECT_EQ(BitShiftRight(-1, 4), -1);
  EXPECT_EQ(BitShiftRight(-16, 2), -4);
  EXPECT_EQ(BitShiftRight(256, 36), 16);  // n mod 32
  EXPECT_EQ(BitShiftLeft(1, 33), 2);
  EXPECT_EQ(BitShiftLeft(1, 31), INT32_MIN);
  EXPECT_EQ(BitShiftLeft(3, -1), INT32_MIN);  // -1 mod 32 is 31
  EXPECT_EQ(BitAnd(0xF0, 0x3C), 0x30);
  EXPECT_EQ(BitOr(0xF0, 0x0F), 0xFF);
  EXPECT_EQ(BitXor(0xFF, 0x0F), 0xF0);
}

TEST(NumberOperationsDeathTest, AZeroDivisorStopsTheProgram) {
  EXPECT_DEATH(IntDivide(1, 0), "division by zero");
  EXPECT_DEATH(IntModulo(1, 0), "division by zero");
}

}  // namespace
}  // namespace quillet
