#include <gtest/gtest.h>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"
#include "win32/simulation.h"

namespace {

using DcTest = MfcTest;

// A 20 x 20 memory context to draw on.
class MemoryCanvas {
 public:
  MemoryCanvas() {
    CClientDC screen(nullptr);
    dc.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(&screen, 20, 20);
    previousWrapper = dc.SelectObject(&bitmap);
    previous = previousWrapper->GetSafeHandle();
  }
  // Temporary wrappers die at idle time: keep the handle to put back.
  ~MemoryCanvas() { dc.SelectObject(previous); }
  CDC dc;
  CBitmap bitmap;
  CBitmap* previousWrapper = nullptr;
  HGDIOBJ previous = nullptr;
};

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
  EXPECT_EQ(canvas.dc.GetCurrentPen(), original);

  CGdiObject* previousBrush = canvas.dc.SelectStockObject(NULL_BRUSH);
  ASSERT_NE(previousBrush, nullptr);
  EXPECT_TRUE(previousBrush->IsKindOf(RUNTIME_CLASS(CBrush)));
  EXPECT_TRUE(CGdiObject::FromHandle(::GetStockObject(DEFAULT_GUI_FONT))->IsKindOf(RUNTIME_CLASS(CFont)));
  canvas.dc.SelectObject(previousBrush);
  AfxUnlockTempMaps();  // temporaries go; our own objects stay
  EXPECT_EQ(CPen::FromHandle(red), &red);
}

TEST_F(DcTest, SolidAndThreeDimensionalRectangles) {
  MemoryCanvas canvas;
  canvas.dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(255, 255, 255));
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
  const int saved = canvas.dc.SaveDC();
  canvas.dc.IntersectClipRect(0, 0, 1, 1);
  canvas.dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(1, 2, 3));
  canvas.dc.RestoreDC(saved);
  EXPECT_EQ(canvas.dc.GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(canvas.dc.GetPixel(1, 1), RGB(255, 255, 255));
  CRect clip;
  canvas.dc.GetClipBox(&clip);
  EXPECT_EQ(clip, CRect(0, 0, 20, 20));
}

TEST_F(DcTest, RegionsFontsAndTextExtents) {
  CRgn left;
  CRgn right;
  CRgn both;
  ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
  ASSERT_TRUE(right.CreateRectRgn(5, 0, 15, 10));
  ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(both.CombineRgn(&left, &right, RGN_AND), SIMPLEREGION);
  CRect box;
  both.GetRgnBox(&box);
  EXPECT_EQ(box, CRect(5, 0, 10, 10));
  EXPECT_TRUE(both.PtInRegion(5, 0));
  EXPECT_FALSE(both.PtInRegion(10, 5));

  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, L"Segoe UI"));  // 12 points at 96 pixels an inch
  LOGFONTW logFont{};
  font.GetLogFont(&logFont);
  EXPECT_EQ(logFont.lfHeight, -16);

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

// Paints its client area through CPaintDC.
class PaintedWnd : public CWnd {
 protected:
  void OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(1, 11, 21));
  }
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(PaintedWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST_F(DcTest, PaintDCDrawsWhatTheScreenShows) {
  PaintedWnd wnd;
  ASSERT_TRUE(mfctest::CreatePopup(wnd, 40, 30));
  wnd.ShowWindow(SW_SHOWNA);
  const winsim::Image shot = winsim::CaptureWindow(wnd.m_hWnd);
  EXPECT_EQ(shot.Pixel(0, 0), RGB(1, 11, 21));
  EXPECT_EQ(shot.Pixel(39, 29), RGB(1, 11, 21));
}

}  // namespace
