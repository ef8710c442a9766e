// Picture: which image its flags select, and that it paints it.
#include "controls/picture.h"

#include "controls/visual_manager.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

using PictureTest = ControlsTest;

TEST_F(PictureTest, FlagsSelectWhatItPaints) {
  CWnd* page = CreateParent();
  Picture logo;
  ASSERT_TRUE(logo.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), page, 1072));
  EXPECT_TRUE(logo.LoadImages(ThemedIconFolder(), L"TalvoLogo", L"bmp", 2 | 8));
  EXPECT_EQ(logo.ShownSlot(), -1);  // neither shown nor active
  const winsim::Image blank = winsim::CaptureWindow(logo.m_hWnd);
  logo.active = true;
  EXPECT_EQ(logo.ShownSlot(), 3);  // "_a_a"
  logo.Invalidate();
  const winsim::Image painted = winsim::CaptureWindow(logo.m_hWnd);
  EXPECT_NE(painted.rgba, blank.rgba);
  EXPECT_EQ(painted.Pixel(0, 0), HostColor(kBackground));  // the key colour never shows
  logo.hidden = true;
  EXPECT_EQ(logo.ShownSlot(), -1);

  // A quick-slot marker: shown but not active takes the normal image.
  Picture marker;
  EXPECT_TRUE(marker.LoadImages(ThemedIconFolder(), L"Talvo_1", L"bmp", 15));
  marker.shown = true;
  EXPECT_EQ(marker.ShownSlot(), 2);
  marker.active = true;
  EXPECT_EQ(marker.ShownSlot(), 3);
  EXPECT_FALSE(marker.LoadImages(ThemedIconFolder(), L"NoSuchPicture", L"bmp", 1));
}

}  // namespace
}  // namespace Talvo::testing
