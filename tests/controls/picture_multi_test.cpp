// PictureMulti: one image per name in list order, the chosen one painted.
#include "controls/picture_multi.h"

#include "controls/visual_manager.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

using PictureMultiTest = ControlsTest;

TEST_F(PictureMultiTest, ShowsTheChosenImageOfTheList) {
  CWnd* page = CreateParent();
  PictureMulti picture;
  ASSERT_TRUE(picture.Create(L"", WS_CHILD | WS_VISIBLE, CRect(25, 18, 57, 50), page, 1056));
  const std::vector<std::wstring> names = {L"TalvoTap1-24x24", L"TalvoTap2-24x24", L"Missing", L"TalvoTap4-24x24"};
  EXPECT_FALSE(picture.LoadImages(ThemedIconFolder(), names, L"bmp"));  // one name has no file
  EXPECT_EQ(picture.GetImageCount(), 4);

  picture.SetImage(0);
  const winsim::Image first = winsim::CaptureWindow(picture.m_hWnd);
  picture.SetImage(1);
  const winsim::Image second = winsim::CaptureWindow(picture.m_hWnd);
  EXPECT_NE(first.rgba, second.rgba);
  picture.SetImage(2);
  EXPECT_FALSE(picture.HasShownImage());
  picture.SetImage(9);
  EXPECT_FALSE(picture.HasShownImage());
  const winsim::Image none = winsim::CaptureWindow(picture.m_hWnd);
  for (int y = 0; y < none.height; ++y) EXPECT_EQ(none.Pixel(none.width / 2, y), HostColor(kBackground));
}

}  // namespace
}  // namespace Talvo::testing
