#include <windows.h>

#include <gtest/gtest.h>

TEST(Types, WordMacrosSplitAndJoinSignedCoordinates) {
  LPARAM lp = MAKELPARAM(-5, 300);
  EXPECT_EQ(GET_X_LPARAM(lp), -5);
  EXPECT_EQ(GET_Y_LPARAM(lp), 300);
  EXPECT_EQ(HIWORD(MAKELONG(0x1234, 0xC47)), 0xC47);
  EXPECT_EQ(GetBValue(RGB(1, 11, 21)), 21);
}
