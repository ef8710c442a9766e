#include <gtest/gtest.h>
#include <windows.h>

#include "gdi_test_canvas.h"

namespace {

TEST(GdiObjects, StockObjectsAreSharedAndSurviveDeletion) {
  HGDIOBJ white = GetStockObject(WHITE_BRUSH);
  ASSERT_NE(white, nullptr);
  EXPECT_EQ(white, GetStockObject(WHITE_BRUSH));
  EXPECT_TRUE(DeleteObject(white));
  LOGBRUSH brush{};
  ASSERT_EQ(GetObjectW(white, sizeof(brush), &brush), static_cast<int>(sizeof(brush)));
  EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
  EXPECT_EQ(GetStockObject(NULL_BRUSH), GetStockObject(HOLLOW_BRUSH));
  EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(GetStockObject(99), nullptr);

  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  EXPECT_EQ(face, GetSysColorBrush(COLOR_3DFACE));
  EXPECT_TRUE(DeleteObject(face));
  ASSERT_EQ(GetObjectW(face, sizeof(brush), &brush), static_cast<int>(sizeof(brush)));
  EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
}

TEST(GdiObjects, BadAndDeletedHandlesFailCleanly) {
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  ASSERT_TRUE(DeleteObject(pen));
  SetLastError(0);
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

  auto bogus = reinterpret_cast<HDC>(static_cast<std::uintptr_t>(0x12345678));
  EXPECT_EQ(SelectObject(bogus, GetStockObject(BLACK_PEN)), nullptr);
  RECT rect{0, 0, 4, 4};
  EXPECT_FALSE(FillRect(bogus, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
  EXPECT_EQ(GetPixel(bogus, 0, 0), CLR_INVALID);
  EXPECT_EQ(SetTextColor(bogus, 0), CLR_INVALID);
  EXPECT_FALSE(DeleteDC(bogus));
  EXPECT_EQ(GetObjectW(reinterpret_cast<HGDIOBJ>(pen), sizeof(LOGPEN), nullptr), 0);

  gditest::Canvas canvas(4, 4);
  EXPECT_EQ(SelectObject(canvas.dc, pen), nullptr);  // a deleted pen
  HBRUSH deletedBrush = CreateSolidBrush(RGB(255, 0, 0));
  DeleteObject(deletedBrush);
  EXPECT_FALSE(FillRect(canvas.dc, &rect, deletedBrush));
  EXPECT_FALSE(FrameRect(canvas.dc, &rect, deletedBrush));
  EXPECT_EQ(canvas.At(1, 1), RGB(255, 255, 255));
  EXPECT_TRUE(FillRect(canvas.dc, &rect, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))));  // paints nothing
  EXPECT_TRUE(FillRect(canvas.dc, &rect, reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1)));
  EXPECT_EQ(canvas.At(1, 1), GetSysColor(COLOR_WINDOWTEXT));
  SIZE size{};
  EXPECT_FALSE(GetTextExtentPoint32W(bogus, L"x", 1, &size));
}

TEST(GdiObjects, SelectionReturnsThePreviousObjectAndProtectsIt) {
  gditest::Canvas canvas(4, 4);
  HPEN red = CreatePen(PS_DASH, 3, RGB(255, 0, 0));
  HGDIOBJ original = SelectObject(canvas.dc, red);
  EXPECT_EQ(original, GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), red);
  EXPECT_FALSE(DeleteObject(red));  // still selected
  EXPECT_EQ(SelectObject(canvas.dc, original), red);
  LOGPEN logPen{};
  ASSERT_EQ(GetObjectW(red, sizeof(logPen), &logPen), static_cast<int>(sizeof(logPen)));
  EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DASH));
  EXPECT_EQ(logPen.lopnWidth.x, 3);
  EXPECT_EQ(logPen.lopnColor, RGB(255, 0, 0));
  EXPECT_TRUE(DeleteObject(red));

  // A bitmap lives in one memory DC at a time.
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(other, canvas.bitmap), nullptr);
  EXPECT_FALSE(DeleteObject(canvas.bitmap));
  DeleteDC(other);
}

// Code that derives a font from another reads the first one's description back.
TEST(GdiObjects, AFontDescribesItselfAsCreated) {
  HFONT font =
      CreateFontW(-12, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Tahoma");
  LOGFONTW log{};
  ASSERT_EQ(GetObjectW(font, sizeof(log), &log), static_cast<int>(sizeof(log)));
  EXPECT_EQ(log.lfHeight, -12);
  EXPECT_EQ(log.lfWeight, FW_BOLD);
  EXPECT_EQ(log.lfItalic, TRUE);
  EXPECT_STREQ(log.lfFaceName, L"Tahoma");
  DeleteObject(font);
}

}  // namespace
