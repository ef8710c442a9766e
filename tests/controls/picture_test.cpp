// Picture: which image its flags select, and that it paints it; PictureMulti: the chosen image of its list.
#include "controls/picture.h"

#include "controls/picture_multi.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr UINT kActiveImageOnly = 0x8;  // "_a_a"
constexpr UINT kAllImages = 0xF;

using PictureTest = ControlsTest;

TEST_F(PictureTest, FlagsSelectWhatItPaints) {
  Picture logo;
  ASSERT_TRUE(logo.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), CreateParent(), 1));
  EXPECT_TRUE(logo.LoadImages(ThemedIconFolder(), L"TalvoLogo", L"bmp", kActiveImageOnly));
  EXPECT_EQ(logo.ShownSlot(), -1);  // neither shown nor active
  const winsim::Image blank = winsim::CaptureWindow(logo.m_hWnd);
  logo.active = true;
  logo.Invalidate();
  const winsim::Image painted = winsim::CaptureWindow(logo.m_hWnd);
  EXPECT_NE(painted.rgba, blank.rgba);
  EXPECT_EQ(painted.Pixel(0, 0), HostColor(kBackground));  // the key colour never shows
  logo.hidden = true;
  EXPECT_EQ(logo.ShownSlot(), -1);

  // A quick-slot marker: shown but not active takes the normal image.
  Picture marker;
  EXPECT_TRUE(marker.LoadImages(ThemedIconFolder(), L"Talvo_1", L"bmp", kAllImages));
  marker.shown = true;
  const int normal = marker.ShownSlot();
  marker.active = true;
  EXPECT_NE(marker.ShownSlot(), normal);
}

TEST_F(PictureTest, PictureMultiShowsTheChosenImageOfTheList) {
  PictureMulti picture;
  ASSERT_TRUE(picture.Create(L"", WS_CHILD | WS_VISIBLE, CRect(25, 18, 57, 50), CreateParent(), 1));
  const std::vector<std::wstring> names = {L"TalvoTap1-24x24", L"TalvoTap2-24x24", L"Missing"};
  EXPECT_FALSE(picture.LoadImages(ThemedIconFolder(), names, L"bmp"));  // one name has no file
  picture.SetImage(0);
  const winsim::Image first = winsim::CaptureWindow(picture.m_hWnd);
  picture.SetImage(1);
  EXPECT_NE(winsim::CaptureWindow(picture.m_hWnd).rgba, first.rgba);
  picture.SetImage(2);
  EXPECT_FALSE(picture.HasShownImage());
  picture.SetImage(9);
  const winsim::Image none = winsim::CaptureWindow(picture.m_hWnd);
  for (int y = 0; y < none.height; ++y) EXPECT_EQ(none.Pixel(none.width / 2, y), HostColor(kBackground));
}

}  // namespace
}  // namespace Talvo::testing
