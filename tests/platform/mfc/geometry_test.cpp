#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

TEST(CRectTest, LeftAndTopEdgesAreInsideRightAndBottomAreNot) {
  const CRect rect(10, 20, 30, 40);
  EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
  EXPECT_TRUE(rect.PtInRect(CPoint(29, 39)));
  EXPECT_FALSE(rect.PtInRect(CPoint(30, 25)));
  EXPECT_FALSE(rect.PtInRect(CPoint(15, 40)));
  EXPECT_FALSE(rect.PtInRect(CPoint(9, 25)));
  EXPECT_EQ(rect.Width(), 20);
  EXPECT_EQ(rect.Height(), 20);
  EXPECT_EQ(rect.CenterPoint(), CPoint(20, 30));
  EXPECT_EQ(rect.Size(), CSize(20, 20));
}

TEST(CRectTest, EmptyAndNull) {
  EXPECT_TRUE(CRect().IsRectNull());
  EXPECT_TRUE(CRect().IsRectEmpty());
  EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
  EXPECT_TRUE(CRect(5, 5, 3, 9).IsRectEmpty());  // inverted counts as empty
  EXPECT_FALSE(CRect(5, 5, 3, 9).IsRectNull());
  // An empty rectangle contains nothing, not even its corner.
  EXPECT_FALSE(CRect(5, 5, 5, 5).PtInRect(CPoint(5, 5)));
}

TEST(CRectTest, IntersectionAndUnion) {
  CRect result;
  EXPECT_TRUE(result.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
  EXPECT_EQ(result, CRect(5, 5, 10, 10));
  // Touching edges share no pixel: the result is empty and all zero.
  EXPECT_FALSE(result.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
  EXPECT_TRUE(result.IsRectNull());

  // An empty rectangle adds nothing to a union, wherever it lies.
  EXPECT_EQ(CRect(100, 100, 100, 100) | CRect(1, 2, 3, 4), CRect(1, 2, 3, 4));

  EXPECT_EQ(CRect(0, 0, 10, 10) & CRect(5, 5, 20, 20), CRect(5, 5, 10, 10));
  EXPECT_EQ(CRect(0, 0, 10, 10) | CRect(5, 5, 20, 20), CRect(0, 0, 20, 20));
  CRect self(0, 0, 10, 10);
  self &= CRect(2, 2, 4, 4);  // the result may alias an operand
  EXPECT_EQ(self, CRect(2, 2, 4, 4));
}

TEST(CRectTest, InflateDeflateOffsetNormalize) {
  CRect rect(10, 10, 20, 20);
  rect.InflateRect(2, 3);
  EXPECT_EQ(rect, CRect(8, 7, 22, 23));
  rect.DeflateRect(1, 2, 3, 4);
  EXPECT_EQ(rect, CRect(9, 9, 19, 19));
  rect.OffsetRect(CPoint(1, -9));
  EXPECT_EQ(rect, CRect(10, 0, 20, 10));
  EXPECT_EQ(rect + CPoint(5, 5), CRect(15, 5, 25, 15));
  EXPECT_EQ(rect - CSize(10, 0), CRect(0, 0, 10, 10));

  CRect inverted(20, 30, 10, 5);
  inverted.NormalizeRect();
  EXPECT_EQ(inverted, CRect(10, 5, 20, 30));

  rect.TopLeft() = CPoint(0, 0);
  EXPECT_EQ(rect, CRect(0, 0, 20, 10));
  LPRECT raw = rect;
  raw->right = 5;
  EXPECT_EQ(rect.Width(), 5);
  rect.SetRectEmpty();
  EXPECT_TRUE(rect.IsRectNull());
}

TEST(CPointTest, ArithmeticAndPackedPoints) {
  EXPECT_EQ(CPoint(3, 4) + CSize(1, 1), CPoint(4, 5));
  EXPECT_EQ(CPoint(3, 4) - CPoint(1, 1), CSize(2, 3));
  EXPECT_EQ(-CPoint(3, 4), CPoint(-3, -4));
  // Mouse messages pack signed 16-bit coordinates.
  EXPECT_EQ(CPoint(MAKELPARAM(-5, 7)), CPoint(-5, 7));
}

}  // namespace
