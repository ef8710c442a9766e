// Label: paints its text in the host's colours, erases it, grows with its header height and aligns
// to its style.
#include "controls/label.h"

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

// The columns and rows of a label's picture that hold anything but the host's panel colour.
struct Ink {
  int left = -1, right = -1, top = -1, bottom = -1;
  bool Empty() const { return left < 0; }
};

Ink InkOf(const Label& label) {
  const winsim::Image image = winsim::CaptureWindow(label.m_hWnd);
  Ink ink;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.Pixel(x, y) == HostColor(kBackground)) continue;
      if (ink.Empty()) ink = {x, x, y, y};
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

using LabelTest = ControlsTest;

TEST_F(LabelTest, PaintsErasesAndEnlargesItsText) {
  Label label;
  ASSERT_TRUE(label.Create(L"Mode", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 40), CreateParent(), 1));
  const Ink normal = InkOf(label);
  ASSERT_FALSE(normal.Empty());
  label.SetText(L"Vertex Mode");
  const Ink longer = InkOf(label);
  EXPECT_GT(longer.right, normal.right);

  label.EraseText();
  EXPECT_TRUE(InkOf(label).Empty());
  EXPECT_EQ(label.GetText(), L"Vertex Mode");

  label.height = 28;  // the header height makes taller text
  label.SetText(L"Vertex Mode");
  const Ink header = InkOf(label);
  EXPECT_GT(header.bottom - header.top, longer.bottom - longer.top + 6);
}

TEST_F(LabelTest, AlignsRightAndFollowsTheTheme) {
  Label label;
  ASSERT_TRUE(label.Create(L"Keyboard Layout:", WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(10, 10, 210, 30),
                           CreateParent(), 1));
  const Ink right = InkOf(label);
  EXPECT_GT(right.left, 60);
  EXPECT_GE(right.right, 195);
  SetTheme(kDarkTheme);
  EXPECT_FALSE(InkOf(label).Empty());
  EXPECT_EQ(winsim::CaptureWindow(label.m_hWnd).Pixel(1, 1), HostColor(kBackground));
}

}  // namespace
}  // namespace Talvo::testing
