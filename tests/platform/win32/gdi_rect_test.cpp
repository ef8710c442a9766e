#include <gtest/gtest.h>
#include <windows.h>

#include "gdi_test_canvas.h"

namespace {

using gditest::SameRect;

TEST(GdiRect, ArithmeticFollowsTheHalfOpenRule) {
  RECT rect{};
  SetRect(&rect, 1, 2, 5, 6);
  EXPECT_TRUE(PtInRect(&rect, POINT{1, 2}));
  EXPECT_FALSE(PtInRect(&rect, POINT{5, 2}));
  EXPECT_FALSE(PtInRect(&rect, POINT{1, 6}));
  InflateRect(&rect, 1, 1);
  EXPECT_TRUE(SameRect(rect, RECT{0, 1, 6, 7}));
  OffsetRect(&rect, -1, 1);
  EXPECT_TRUE(SameRect(rect, RECT{-1, 2, 5, 8}));

  RECT out{};
  const RECT a{0, 0, 10, 10};
  const RECT b{5, 5, 20, 20};
  const RECT far{30, 30, 40, 40};
  EXPECT_TRUE(IntersectRect(&out, &a, &b));
  EXPECT_TRUE(SameRect(out, RECT{5, 5, 10, 10}));
  EXPECT_FALSE(IntersectRect(&out, &a, &far));
  EXPECT_TRUE(IsRectEmpty(&out));
  EXPECT_TRUE(UnionRect(&out, &a, &far));
  EXPECT_TRUE(SameRect(out, RECT{0, 0, 40, 40}));

  // SubtractRect only trims when a whole side is covered.
  const RECT top{0, 0, 10, 4};
  EXPECT_TRUE(SubtractRect(&out, &a, &top));
  EXPECT_TRUE(SameRect(out, RECT{0, 4, 10, 10}));
  EXPECT_TRUE(SubtractRect(&out, &a, &b));
  EXPECT_TRUE(SameRect(out, a));
  EXPECT_FALSE(SubtractRect(&out, &a, &a));
  EXPECT_TRUE(EqualRect(&a, &a));
  EXPECT_FALSE(EqualRect(&a, &b));
}

TEST(GdiRect, MulDivRoundsAndRejectsZero) {
  EXPECT_EQ(MulDiv(10, 3, 4), 8);  // 7.5 rounds away from zero
  EXPECT_EQ(MulDiv(-10, 3, 4), -8);
  EXPECT_EQ(MulDiv(1 << 30, 4, 8), 1 << 29);
  EXPECT_EQ(MulDiv(1, 2, 0), -1);
}

}  // namespace
