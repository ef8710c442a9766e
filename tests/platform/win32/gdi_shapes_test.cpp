#include <gtest/gtest.h>
#include <windows.h>

#include "gdi_test_canvas.h"

namespace {

using gditest::Canvas;
using gditest::SameRect;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(GdiShapes, FillRectExcludesRightAndBottomEdges) {
  Canvas canvas(10, 10);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT rect{2, 3, 6, 8};
  FillRect(canvas.dc, &rect, red);
  EXPECT_TRUE(SameRect(canvas.Drawn({0, 0, 10, 10}), rect));
  EXPECT_EQ(canvas.Count(rect, kRed), 4 * 5);

  // A system colour index + 1 stands for its brush.
  RECT corner{0, 0, 1, 1};
  FillRect(canvas.dc, &corner, reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1));
  EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_WINDOWTEXT));
  DeleteObject(red);
}

TEST(GdiShapes, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  Canvas canvas(12, 12);
  HBRUSH blue = CreateSolidBrush(kBlue);
  HGDIOBJ oldBrush = SelectObject(canvas.dc, blue);
  Rectangle(canvas.dc, 1, 1, 6, 5);
  EXPECT_EQ(canvas.At(1, 1), kBlack);
  EXPECT_EQ(canvas.At(5, 4), kBlack);  // the outline covers the last column and row inside
  EXPECT_EQ(canvas.At(6, 4), kWhite);
  EXPECT_EQ(canvas.At(5, 5), kWhite);
  EXPECT_EQ(canvas.Count({2, 2, 5, 4}, kBlue), 3 * 2);

  // Without a pen the fill stops one pixel short of the right and bottom edges.
  SelectObject(canvas.dc, GetStockObject(NULL_PEN));
  Rectangle(canvas.dc, 7, 7, 11, 11);
  EXPECT_TRUE(SameRect(canvas.Drawn({7, 7, 12, 12}), RECT{7, 7, 10, 10}));
  SelectObject(canvas.dc, GetStockObject(BLACK_PEN));
  SelectObject(canvas.dc, oldBrush);
  DeleteObject(blue);
}

TEST(GdiShapes, LinesLeaveOutTheirEndPixel) {
  Canvas canvas(12, 12);
  MoveToEx(canvas.dc, 1, 1, nullptr);
  LineTo(canvas.dc, 6, 1);
  EXPECT_TRUE(SameRect(canvas.Drawn({0, 0, 12, 2}), RECT{1, 1, 6, 2}));

  MoveToEx(canvas.dc, 10, 9, nullptr);
  LineTo(canvas.dc, 10, 3);  // upwards
  EXPECT_TRUE(SameRect(canvas.Drawn({8, 2, 12, 12}), RECT{10, 4, 11, 10}));

  Canvas diagonal(8, 8);
  MoveToEx(diagonal.dc, 0, 0, nullptr);
  LineTo(diagonal.dc, 4, 4);
  EXPECT_EQ(diagonal.At(0, 0), kBlack);
  EXPECT_EQ(diagonal.At(3, 3), kBlack);
  EXPECT_EQ(diagonal.At(4, 4), kWhite);
  EXPECT_EQ(diagonal.Count({0, 0, 8, 8}, kBlack), 4);
}

TEST(GdiShapes, AlternatePenDrawsEveryOtherPixel) {
  Canvas canvas(12, 3);
  LOGBRUSH brush{BS_SOLID, kBlack, 0};
  HPEN dotted = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
  ASSERT_NE(dotted, nullptr);
  HGDIOBJ old = SelectObject(canvas.dc, dotted);
  MoveToEx(canvas.dc, 0, 1, nullptr);
  LineTo(canvas.dc, 10, 1);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(canvas.At(x, 1), x % 2 == 0 ? kBlack : kWhite) << x;
  SelectObject(canvas.dc, old);
  DeleteObject(dotted);
}

TEST(GdiShapes, EllipsesAndPolygonsStayInsideTheirBounds) {
  Canvas canvas(20, 20);
  Ellipse(canvas.dc, 2, 3, 12, 9);
  EXPECT_TRUE(SameRect(canvas.Drawn({0, 0, 20, 20}), RECT{2, 3, 12, 9}));

  Canvas polygon(20, 20);
  HBRUSH red = CreateSolidBrush(kRed);
  HGDIOBJ old = SelectObject(polygon.dc, red);
  const POINT triangle[] = {{2, 2}, {12, 2}, {2, 12}};
  Polygon(polygon.dc, triangle, 3);
  EXPECT_EQ(polygon.At(4, 4), kRed);
  EXPECT_EQ(polygon.At(2, 2), kBlack);
  EXPECT_EQ(polygon.At(11, 11), kWhite);
  SelectObject(polygon.dc, old);
  DeleteObject(red);
}

}  // namespace
