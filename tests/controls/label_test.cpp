// Label: paints its text in the host's colours, erases it, grows with its header height and aligns
// to its style.
#include "controls/label.h"

#include "controls/visual_manager.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

// The columns and rows of a capture that hold anything but the background.
struct Ink {
  int left = -1, right = -1, top = -1, bottom = -1;
  bool Empty() const { return left < 0; }
};

Ink InkOf(const winsim::Image& image, COLORREF background) {
  Ink ink;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.Pixel(x, y) == background) continue;
      if (ink.Empty()) ink = {x, x, y, y};
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

using LabelTest = ControlsTest;

TEST_F(LabelTest, PaintsStoresAndErasesItsText) {
  CWnd* page = CreateParent();
  Label label;
  ASSERT_TRUE(label.Create(L"Mode", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 40), page, 1055));
  EXPECT_EQ(label.GetText(), L"Mode");
  const Ink normal = InkOf(winsim::CaptureWindow(label.m_hWnd), HostColor(kBackground));
  ASSERT_FALSE(normal.Empty());

  label.SetText(L"Vertex Mode");
  EXPECT_EQ(label.GetWindowText(), L"Vertex Mode");
  const Ink longer = InkOf(winsim::CaptureWindow(label.m_hWnd), HostColor(kBackground));
  EXPECT_GT(longer.right, normal.right);

  label.EraseText();
  EXPECT_TRUE(InkOf(winsim::CaptureWindow(label.m_hWnd), HostColor(kBackground)).Empty());
  EXPECT_EQ(label.GetText(), L"Vertex Mode");

  // The header height makes taller text.
  label.height = 28;
  label.SetText(L"Vertex Mode");
  const Ink header = InkOf(winsim::CaptureWindow(label.m_hWnd), HostColor(kBackground));
  EXPECT_GT(header.bottom - header.top, longer.bottom - longer.top + 6);
}

TEST_F(LabelTest, AlignsRightAndFollowsTheTheme) {
  CWnd* page = CreateParent();
  Label label;
  ASSERT_TRUE(label.Create(L"Keyboard Layout:", WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(10, 10, 210, 30), page, 4011));
  const Ink right = InkOf(winsim::CaptureWindow(label.m_hWnd), HostColor(kBackground));
  EXPECT_GT(right.left, 60);
  EXPECT_GE(right.right, 195);

  SetTheme(kDarkTheme);
  const winsim::Image dark = winsim::CaptureWindow(label.m_hWnd);
  EXPECT_EQ(dark.Pixel(1, 1), HostColor(kBackground));
  EXPECT_FALSE(InkOf(dark, HostColor(kBackground)).Empty());
}

}  // namespace
}  // namespace Talvo::testing
