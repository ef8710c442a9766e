#include <gtest/gtest.h>
#include <windows.h>

#include "gdi_internal.h"
#include "gdi_test_canvas.h"

namespace {

using gditest::Canvas;
using gditest::SameRect;

constexpr COLORREF kRed = RGB(255, 0, 0);

void FillAll(HDC dc, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  RECT all{-100, -100, 100, 100};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
}

TEST(GdiClip, ClipRectanglesLimitDrawing) {
  Canvas canvas(10, 10);
  EXPECT_EQ(IntersectClipRect(canvas.dc, 2, 2, 8, 8), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(canvas.dc, 4, 4, 6, 6), COMPLEXREGION);
  FillAll(canvas.dc, kRed);
  EXPECT_TRUE(SameRect(canvas.Drawn({0, 0, 10, 10}), RECT{2, 2, 8, 8}));
  EXPECT_EQ(canvas.Count({0, 0, 10, 10}, kRed), 36 - 4);
  RECT box{};
  EXPECT_EQ(GetClipBox(canvas.dc, &box), COMPLEXREGION);
  EXPECT_TRUE(SameRect(box, RECT{2, 2, 8, 8}));
  EXPECT_FALSE(PtVisible(canvas.dc, 5, 5));
}

TEST(GdiClip, ClipRegionsAreInDeviceCoordinates) {
  Canvas canvas(10, 10);
  SetViewportOrgEx(canvas.dc, 3, 0, nullptr);
  HRGN region = CreateRectRgn(0, 0, 5, 5);
  SelectClipRgn(canvas.dc, region);
  RECT box{};
  GetClipBox(canvas.dc, &box);  // logical coordinates
  EXPECT_TRUE(SameRect(box, RECT{-3, 0, 2, 5}));
  FillAll(canvas.dc, kRed);
  EXPECT_TRUE(SameRect(canvas.Drawn({0, 0, 10, 10}), RECT{0, 0, 5, 5}));
  EXPECT_EQ(GetClipRgn(canvas.dc, region), 1);
  SelectClipRgn(canvas.dc, nullptr);
  EXPECT_EQ(GetClipRgn(canvas.dc, region), 0);
  DeleteObject(region);
}

TEST(GdiClip, SystemClipCannotBeWidened) {
  Canvas canvas(10, 10);
  win32_internal::SetDCClipRegion(canvas.dc, win32_internal::Region(RECT{0, 0, 3, 3}));
  HRGN everything = CreateRectRgn(0, 0, 10, 10);
  SelectClipRgn(canvas.dc, everything);
  FillAll(canvas.dc, kRed);
  EXPECT_TRUE(SameRect(canvas.Drawn({0, 0, 10, 10}), RECT{0, 0, 3, 3}));
  DeleteObject(everything);
}

TEST(GdiClip, SaveAndRestoreBringBackTheState) {
  Canvas canvas(10, 10);
  const int first = SaveDC(canvas.dc);
  SetTextColor(canvas.dc, kRed);
  IntersectClipRect(canvas.dc, 0, 0, 2, 2);
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  SelectObject(canvas.dc, pen);
  SaveDC(canvas.dc);
  SetWindowOrgEx(canvas.dc, 5, 5, nullptr);
  SetBkMode(canvas.dc, TRANSPARENT);
  EXPECT_TRUE(RestoreDC(canvas.dc, -1));
  POINT origin{1, 1};
  GetWindowOrgEx(canvas.dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(GetBkMode(canvas.dc), OPAQUE);
  EXPECT_EQ(GetTextColor(canvas.dc), kRed);

  EXPECT_TRUE(RestoreDC(canvas.dc, first));
  EXPECT_EQ(GetTextColor(canvas.dc), RGB(0, 0, 0));
  EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  FillAll(canvas.dc, kRed);
  EXPECT_EQ(canvas.Count({0, 0, 10, 10}, kRed), 100);
  EXPECT_FALSE(RestoreDC(canvas.dc, -1));  // nothing left to restore
  EXPECT_TRUE(DeleteObject(pen));
}

TEST(GdiRegions, CombineAndQuery) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(5, 5, 15, 15);
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(result, a, b, RGN_AND), SIMPLEREGION);
  RECT box{};
  GetRgnBox(result, &box);
  EXPECT_TRUE(SameRect(box, RECT{5, 5, 10, 10}));
  EXPECT_EQ(CombineRgn(result, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(result, 14, 14));
  EXPECT_FALSE(PtInRegion(result, 14, 0));
  EXPECT_EQ(CombineRgn(result, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(result, a, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(result, a));
  EXPECT_EQ(OffsetRgn(result, 1, 0), SIMPLEREGION);
  EXPECT_FALSE(EqualRgn(result, a));
  RECT probe{10, 0, 11, 1};
  EXPECT_TRUE(RectInRegion(result, &probe));
  EXPECT_EQ(CombineRgn(result, a, reinterpret_cast<HRGN>(static_cast<std::uintptr_t>(0x42)), RGN_OR), ERROR);
  EXPECT_EQ(win32_internal::RegionOfHandle(reinterpret_cast<HRGN>(static_cast<std::uintptr_t>(0x42))), nullptr);
  ASSERT_NE(win32_internal::RegionOfHandle(a), nullptr);
  EXPECT_EQ(win32_internal::RegionOfHandle(a)->Bounds().right, 10);
  DeleteObject(a);
  DeleteObject(b);
  DeleteObject(result);
}

}  // namespace
