// BufferedDC: drawing reaches the target only when the context closes, at the rectangle's place, in
// the target's coordinates.
#include "controls/buffered_dc.h"

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Paints its client area through a BufferedDC over a rectangle that starts at (10, 10).
class BufferedView : public CWnd {
 public:
  explicit BufferedView(CWnd* parent) {
    CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 60, parent->m_hWnd, nullptr);
  }
  COLORREF seenBeforeClose = CLR_INVALID;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_PAINT) return CWnd::WindowProc(message, wParam, lParam);
    {
      BufferedDC dc(this, CRect(10, 10, 90, 50));
      dc.FillSolidRect(10, 10, 80, 40, kBlue);
      dc.FillSolidRect(20, 20, 5, 5, kRed);  // the target's coordinates
      HDC screen = ::GetDC(m_hWnd);
      seenBeforeClose = ::GetPixel(screen, 50, 30);
      ::ReleaseDC(m_hWnd, screen);
    }
    return 0;
  }
};

using BufferedDCTest = ControlsTest;

TEST_F(BufferedDCTest, CopiesToTheScreenWhenItCloses) {
  BufferedView view(CreateParent());
  const winsim::Image image = winsim::CaptureWindow(view.m_hWnd);
  EXPECT_NE(view.seenBeforeClose, kBlue);
  EXPECT_EQ(image.Pixel(50, 30), kBlue);
  EXPECT_EQ(image.Pixel(22, 22), kRed);
  EXPECT_NE(image.Pixel(5, 5), kBlue);  // outside the rectangle nothing was copied
  EXPECT_TRUE(winsim::IsQueueIdle());   // the paint was ended
}

TEST_F(BufferedDCTest, BuffersIntoACallersContextUnlessTheRectangleIsEmpty) {
  HDC screen = ::GetDC(nullptr);
  HDC target = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 40, 40);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(target, bitmap);
  {
    BufferedDC dc(CDC::FromHandle(target), CRect(5, 5, 35, 35));
    dc.FillSolidRect(5, 5, 30, 30, kBlue);
    EXPECT_NE(::GetPixel(target, 20, 20), kBlue);
  }
  EXPECT_EQ(::GetPixel(target, 20, 20), kBlue);
  {
    BufferedDC dc(CDC::FromHandle(target), CRect(0, 0, 0, 0));
    EXPECT_EQ(dc.m_hDC, nullptr);
  }
  ::SelectObject(target, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(target);
}

}  // namespace
}  // namespace Talvo::testing
