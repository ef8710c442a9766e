// The top line of a key button: the caption shrinks when it is wider than the key, and the second text is
// left out when it would run into the caption (PrtSc/SysRq, Pause/Break, the numeric pad's Enter).
#include "controls/key_caption_fit.h"

#include "controls/key_button.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

struct FitRow {
  int caption, smallCaption, second;
  bool expectSmall, expectSecond;
};

// All on a line 42 pixels wide.
const FitRow kFitRows[] = {
    {10, 8, 6, false, true},                    // both fit
    {42 - kKeyTextGap - 6, 20, 6, false, true},  // exactly, with the gap between them
    {42 - kKeyTextGap - 5, 20, 6, false, false},  // one pixel more: the second text goes
    {10, 8, 0, false, false},                   // no second text is never shown
    {42, 30, 0, false, false},                  // as wide as the room: the caption keeps its font
    {60, 20, 10, true, true},                   // shrunk, and the shrunk caption makes room
    {60, 35, 10, true, false},
};

TEST(KeyCaptionFitTest, TheCaptionWinsOverTheSecondText) {
  for (const FitRow& row : kFitRows) {
    const KeyCaptionFit fit = FitKeyCaption(42, row.caption, row.smallCaption, row.second);
    EXPECT_EQ(fit.smallCaption, row.expectSmall) << row.caption << " " << row.smallCaption << " " << row.second;
    EXPECT_EQ(fit.showSecondText, row.expectSecond) << row.caption << " " << row.smallCaption << " " << row.second;
  }
}

class KeyButtonTopLineTest : public ControlsTest {
 protected:
  // A key of the given width with the caption and second text, painted; its picture.
  winsim::Image Paint(int width, const wchar_t* caption, const wchar_t* second) {
    keys_.push_back(std::make_unique<KeyButton>());
    KeyButton& key = *keys_.back();
    EXPECT_TRUE(
        key.Create(caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 10 + width, 70), CreateParent(), 1));
    key.secondText = second;
    key.Invalidate();
    return winsim::CaptureWindow(key.m_hWnd);
  }

  std::vector<std::unique_ptr<KeyButton>> keys_;
};

TEST_F(KeyButtonTopLineTest, ANarrowKeyLeavesOutTheSecondTextAndDrawsAWideCaptionSmaller) {
  EXPECT_EQ(Paint(50, L"PrtSc", L"SysRq").rgba, Paint(50, L"PrtSc", L"").rgba);
  EXPECT_NE(Paint(120, L"PrtSc", L"SysRq").rgba, Paint(120, L"PrtSc", L"").rgba);

  // The caption is drawn in a smaller font: its last column of ink lies inside the text area, where the
  // caption font would have run up to the key's edge.
  const winsim::Image image = Paint(50, L"Backspace", L"");
  const winsim::Image blank = Paint(50, L"", L"");
  const int textRight = 50 - 1 - 2;  // the body's inset and what the line keeps of the text margin
  int inkRight = -1;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 50; ++x) {
      if (image.Pixel(x, y) != blank.Pixel(x, y) && x > inkRight) inkRight = x;
    }
  }
  EXPECT_GT(inkRight, 20);
  EXPECT_LT(inkRight, textRight - 2) << inkRight;  // clipped text would run into the last columns
}

}  // namespace
}  // namespace Talvo::testing
