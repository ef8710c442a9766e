// BufferedDC's off-screen bitmaps are kept between paints: a later paint of the same size must still
// start from black, as a new bitmap does, unless its caller says it paints over every pixel.
#include "controls/buffered_dc.h"

#include <functional>

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Paints its whole client area through a BufferedDC with the given start and drawing.
class RepaintedView : public CWnd {
 public:
  RepaintedView(CWnd* parent, BufferedDC::Start start) : start_(start) {
    CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, 0, 0, 60, 40, parent->m_hWnd, nullptr);
  }
  void PaintWith(std::function<void(CDC&)> draw) {
    draw_ = std::move(draw);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    ::UpdateWindow(m_hWnd);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_PAINT) return CWnd::WindowProc(message, wParam, lParam);
    CRect client;
    GetClientRect(&client);
    BufferedDC dc(this, client, start_);
    if (draw_) draw_(dc);
    return 0;
  }

 private:
  BufferedDC::Start start_;
  std::function<void(CDC&)> draw_;
};

using BufferedDCReuseTest = ControlsTest;

TEST_F(BufferedDCReuseTest, ASecondPaintOfTheSameSizeStartsBlackAgain) {
  RepaintedView view(CreateParent(), BufferedDC::Start::Black);
  view.PaintWith([](CDC& dc) { dc.FillSolidRect(0, 0, 60, 40, kBlue); });
  ASSERT_EQ(winsim::CaptureWindow(view.m_hWnd).Pixel(30, 20), kBlue);
  view.PaintWith([](CDC& dc) { dc.FillSolidRect(10, 10, 5, 5, kRed); });
  const winsim::Image image = winsim::CaptureWindow(view.m_hWnd);
  EXPECT_EQ(image.Pixel(12, 12), kRed);
  EXPECT_EQ(image.Pixel(30, 20), kBlack);
  EXPECT_EQ(image.Pixel(0, 0), kBlack);
}

TEST_F(BufferedDCReuseTest, APaintThatCoversEverythingShowsOnlyWhatItDrew) {
  RepaintedView view(CreateParent(), BufferedDC::Start::PaintedOver);
  for (COLORREF colour : {kBlue, kRed, kBlue}) {
    view.PaintWith([colour](CDC& dc) { dc.FillSolidRect(0, 0, 60, 40, colour); });
    const winsim::Image image = winsim::CaptureWindow(view.m_hWnd);
    EXPECT_EQ(image.Pixel(0, 0), colour);
    EXPECT_EQ(image.Pixel(59, 39), colour);
  }
}

// Two views of one size painted one inside the other's paint must not share a bitmap.
TEST_F(BufferedDCReuseTest, NestedPaintsOfOneSizeKeepTheirOwnBitmaps) {
  CWnd* parent = CreateParent();
  RepaintedView inner(parent, BufferedDC::Start::Black);
  RepaintedView outer(parent, BufferedDC::Start::Black);
  inner.PaintWith([](CDC& dc) { dc.FillSolidRect(0, 0, 60, 40, kRed); });
  outer.PaintWith([&inner](CDC& dc) {
    dc.FillSolidRect(0, 0, 60, 40, kBlue);
    inner.PaintWith([](CDC& innerDc) { innerDc.FillSolidRect(0, 0, 30, 40, kRed); });
  });
  const winsim::Image outerImage = winsim::CaptureWindow(outer.m_hWnd);
  const winsim::Image innerImage = winsim::CaptureWindow(inner.m_hWnd);
  EXPECT_EQ(outerImage.Pixel(45, 20), kBlue);
  EXPECT_EQ(innerImage.Pixel(10, 20), kRed);
  EXPECT_EQ(innerImage.Pixel(45, 20), kBlack);
}

}  // namespace
}  // namespace Talvo::testing
