#include <gtest/gtest.h>
#include <windows.h>

#include "gdi_test_canvas.h"

namespace {

using gditest::Canvas;
using gditest::SameRect;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

TEST(GdiBlit, BitBltCopiesThePartAsked) {
  Canvas source(4, 4, kRed);
  Fill(source.dc, {2, 2, 4, 4}, kGreen);
  Canvas dest(10, 10);
  ASSERT_TRUE(BitBlt(dest.dc, 5, 5, 3, 3, source.dc, 1, 1, SRCCOPY));
  EXPECT_TRUE(SameRect(dest.Drawn({0, 0, 10, 10}), RECT{5, 5, 8, 8}));
  EXPECT_EQ(dest.At(5, 5), kRed);
  EXPECT_EQ(dest.At(6, 6), kGreen);
}

TEST(GdiBlit, PatBltAndInvertRect) {
  Canvas canvas(6, 6);
  HBRUSH red = CreateSolidBrush(kRed);
  HGDIOBJ old = SelectObject(canvas.dc, red);
  PatBlt(canvas.dc, 0, 0, 2, 2, PATCOPY);
  EXPECT_EQ(canvas.Count({0, 0, 6, 6}, kRed), 4);
  RECT rect{4, 0, 6, 2};
  InvertRect(canvas.dc, &rect);
  EXPECT_EQ(canvas.Count(rect, RGB(0, 0, 0)), 4);
  EXPECT_FALSE(PatBlt(canvas.dc, 0, 0, 1, 1, SRCCOPY));  // needs a source
  SelectObject(canvas.dc, old);
  DeleteObject(red);
}

TEST(GdiBlit, StretchBltScales) {
  Canvas source(2, 1, kRed);
  SetPixel(source.dc, 1, 0, kGreen);
  Canvas dest(8, 4);
  SetStretchBltMode(dest.dc, COLORONCOLOR);
  StretchBlt(dest.dc, 0, 0, 8, 4, source.dc, 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(dest.Count({0, 0, 4, 4}, kRed), 16);
  EXPECT_EQ(dest.Count({4, 0, 8, 4}, kGreen), 16);
}

TEST(GdiBlit, TransparentBltSkipsTheKeyColour) {
  Canvas source(3, 1, RGB(255, 0, 255));
  SetPixel(source.dc, 1, 0, kGreen);
  Canvas dest(3, 1);
  TransparentBlt(dest.dc, 0, 0, 3, 1, source.dc, 0, 0, 3, 1, RGB(255, 0, 255));
  EXPECT_EQ(dest.At(0, 0), kWhite);
  EXPECT_EQ(dest.At(1, 0), kGreen);
  EXPECT_EQ(dest.At(2, 0), kWhite);
}

TEST(GdiBlit, AlphaBlendUsesPerPixelAndConstantAlpha) {
  Canvas source(2, 1);
  auto* pixels = static_cast<std::uint32_t*>(source.bits);
  pixels[0] = 0x80000000u;  // half-transparent black, premultiplied
  pixels[1] = 0x00000000u;  // fully transparent
  Canvas dest(4, 1);
  BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(AlphaBlend(dest.dc, 0, 0, 2, 1, source.dc, 0, 0, 2, 1, perPixel));
  EXPECT_NEAR(GetRValue(dest.At(0, 0)), 127, 2);
  EXPECT_EQ(dest.At(1, 0), kWhite);

  Canvas red(1, 1, kRed);
  BLENDFUNCTION constant{AC_SRC_OVER, 0, 128, 0};
  AlphaBlend(dest.dc, 3, 0, 1, 1, red.dc, 0, 0, 1, 1, constant);
  EXPECT_EQ(GetRValue(dest.At(3, 0)), 255);
  EXPECT_NEAR(GetGValue(dest.At(3, 0)), 127, 2);
}

TEST(GdiBlit, OutsideTheBitmapNothingHappens) {
  Canvas canvas(4, 4);
  EXPECT_EQ(GetPixel(canvas.dc, 10, 10), CLR_INVALID);
  EXPECT_EQ(SetPixel(canvas.dc, -1, 0, kRed), CLR_INVALID);
  HDC empty = CreateCompatibleDC(nullptr);  // 1 × 1 default bitmap
  RECT rect{0, 0, 50, 50};
  EXPECT_TRUE(FillRect(empty, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));
  EXPECT_EQ(GetPixel(empty, 0, 0), kWhite);
  DeleteDC(empty);
}

}  // namespace
