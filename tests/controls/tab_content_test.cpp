// TabContent: the plain view's frame, a derived view painting through the base, and never over its children.
#include "controls/tab_content.h"

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr COLORREF kGreen = RGB(10, 200, 10);

class GreenView : public TabContent {
 protected:
  void DrawContent(CDC& dc, const CRect& client) override { dc.FillSolidRect(&client, kGreen); }
};

using TabContentTest = ControlsTest;

TEST_F(TabContentTest, DerivedViewsDrawTheirContentAroundTheirChildren) {
  CWnd* page = CreateParent();
  TabContent plain;
  ASSERT_TRUE(plain.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), page, 1));
  const winsim::Image frame = winsim::CaptureWindow(plain.m_hWnd);
  EXPECT_EQ(frame.Pixel(0, 0), HostColor(kAppWorkspace));
  EXPECT_EQ(frame.Pixel(50, 25), HostColor(kWindow));

  GreenView view;
  ASSERT_TRUE(view.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 70, 210, 170), page, 2));
  CButton key;
  key.Create(L"Q", WS_CHILD | WS_VISIBLE, CRect(50, 40, 90, 80), &view, 3);
  const winsim::Image image = winsim::CaptureWindow(view.m_hWnd);
  EXPECT_EQ(image.Pixel(20, 50), kGreen);
  EXPECT_NE(image.Pixel(70, 60), kGreen);  // the key button shows through
}

}  // namespace
}  // namespace Talvo::testing
