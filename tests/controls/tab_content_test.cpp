// TabContent: a derived view paints through the base, and the view never paints over its children.
#include "controls/tab_content.h"

#include "controls/visual_manager.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

class StripedView : public TabContent {
 protected:
  void DrawContent(CDC& dc, const CRect& client) override {
    dc.FillSolidRect(&client, RGB(10, 200, 10));
    dc.FillSolidRect(0, 0, client.Width(), 5, RGB(200, 10, 10));
  }
};

using TabContentTest = ControlsTest;

TEST_F(TabContentTest, DerivedViewsDrawTheirContent) {
  CWnd* page = CreateParent();
  TabContent plain;
  ASSERT_TRUE(plain.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), page, 1028));
  const winsim::Image frame = winsim::CaptureWindow(plain.m_hWnd);
  EXPECT_EQ(frame.Pixel(0, 0), HostColor(kAppWorkspace));
  EXPECT_EQ(frame.Pixel(50, 25), HostColor(kWindow));

  StripedView view;
  ASSERT_TRUE(view.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 70, 210, 170), page, 1029));
  CButton key;
  key.Create(L"Q", WS_CHILD | WS_VISIBLE, CRect(50, 40, 90, 80), &view, 5000);
  EXPECT_TRUE(view.GetStyle() & WS_CLIPCHILDREN);
  const winsim::Image image = winsim::CaptureWindow(view.m_hWnd);
  EXPECT_EQ(image.Pixel(2, 2), RGB(200, 10, 10));
  EXPECT_EQ(image.Pixel(20, 50), RGB(10, 200, 10));
  EXPECT_NE(image.Pixel(70, 60), RGB(10, 200, 10));  // the key button shows through
}

}  // namespace
}  // namespace Talvo::testing
