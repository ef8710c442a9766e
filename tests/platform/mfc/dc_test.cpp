#include <gtest/gtest.h>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"

namespace {

using DcTest = MfcTest;

using mfctest::MemoryCanvas;

TEST_F(DcTest, SelectObjectHandsBackThePreviousWrapper) {
  MemoryCanvas canvas;
  ASSERT_NE(canvas.previousWrapper, nullptr);  // the context's default bitmap, as a temporary wrapper
  EXPECT_TRUE(canvas.previousWrapper->IsKindOf(RUNTIME_CLASS(CBitmap)));

  CPen red(PS_SOLID, 1, RGB(255, 0, 0));
  CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
  CPen* original = canvas.dc.SelectObject(&red);
  ASSERT_NE(original, nullptr);
  EXPECT_EQ(canvas.dc.SelectObject(&blue), &red);  // our own pen comes back as itself
  EXPECT_EQ(canvas.dc.SelectObject(original), &blue);
  EXPECT_TRUE(CGdiObject::FromHandle(::GetStockObject(DEFAULT_GUI_FONT))->IsKindOf(RUNTIME_CLASS(CFont)));
  AfxUnlockTempMaps();  // temporaries go; our own objects stay
  EXPECT_EQ(CPen::FromHandle(red), &red);
}

TEST_F(DcTest, SolidAndThreeDimensionalRectangles) {
  MemoryCanvas canvas;
  canvas.dc.FillSolidRect(2, 2, 4, 3, RGB(10, 20, 30));
  EXPECT_EQ(canvas.dc.GetPixel(2, 2), RGB(10, 20, 30));
  EXPECT_EQ(canvas.dc.GetPixel(5, 4), RGB(10, 20, 30));
  EXPECT_EQ(canvas.dc.GetPixel(6, 4), RGB(255, 255, 255));  // right edge excluded
  EXPECT_EQ(canvas.dc.GetBkColor(), RGB(10, 20, 30));       // left set, as the library does

  const COLORREF light = RGB(200, 200, 200);
  const COLORREF dark = RGB(50, 50, 50);
  canvas.dc.Draw3dRect(CRect(10, 10, 20, 20), light, dark);
  EXPECT_EQ(canvas.dc.GetPixel(10, 10), light);
  EXPECT_EQ(canvas.dc.GetPixel(18, 10), light);
  EXPECT_EQ(canvas.dc.GetPixel(19, 10), dark);  // the right edge belongs to the bottom-right colour
  EXPECT_EQ(canvas.dc.GetPixel(10, 19), dark);
  EXPECT_EQ(canvas.dc.GetPixel(19, 19), dark);
  EXPECT_EQ(canvas.dc.GetPixel(15, 15), RGB(255, 255, 255));

  CBrush green(RGB(0, 255, 0));
  canvas.dc.FillRect(CRect(0, 10, 5, 15), &green);
  EXPECT_EQ(canvas.dc.GetPixel(4, 14), RGB(0, 255, 0));
}

TEST_F(DcTest, TextExtentsAgreeWithTheMeasureOfDrawText) {
  LOGFONTW logFont{};
  logFont.lfHeight = -16;
  CFont font;
  ASSERT_TRUE(font.CreateFontIndirect(&logFont));

  MemoryCanvas canvas;
  CFont* previous = canvas.dc.SelectObject(&font);
  const CSize extent = canvas.dc.GetTextExtent(std::wstring(L"Editable Poly"));
  EXPECT_GT(extent.cx, 0);
  EXPECT_EQ(extent, canvas.dc.GetTextExtent(L"Editable Poly", 13));
  CRect calc(0, 0, 0, 0);
  canvas.dc.DrawText(std::wstring(L"Editable Poly"), &calc, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(calc.Width(), extent.cx);
  canvas.dc.SelectObject(previous);
}

}  // namespace
