// The top line of a key button: the caption shrinks when it is wider than the key, and the second text is
// left out when it would run into the caption (PrtSc/SysRq, Pause/Break, the numeric pad's Enter).
#include "controls/key_caption_fit.h"

#include <win32/simulation.h>

#include "controls_fixture.h"
#include "controls/key_button.h"

namespace Talvo::testing {
namespace {

TEST(KeyCaptionFitTest, TheCaptionWinsOverTheSecondText) {
  // Both fit, with the gap between them.
  KeyCaptionFit fit = FitKeyCaption(42, 10, 8, 6);
  EXPECT_FALSE(fit.smallCaption);
  EXPECT_TRUE(fit.showSecondText);
  fit = FitKeyCaption(42, 42 - kKeyTextGap - 6, 20, 6);
  EXPECT_TRUE(fit.showSecondText);
  // One pixel more and the second text goes; the caption still fits in its own font.
  fit = FitKeyCaption(42, 42 - kKeyTextGap - 5, 20, 6);
  EXPECT_FALSE(fit.smallCaption);
  EXPECT_FALSE(fit.showSecondText);
  // No second text is never shown.
  EXPECT_FALSE(FitKeyCaption(42, 10, 8, 0).showSecondText);
}

TEST(KeyCaptionFitTest, ACaptionWiderThanTheKeyShrinksAndMayThenMakeRoom) {
  KeyCaptionFit fit = FitKeyCaption(42, 60, 30, 0);
  EXPECT_TRUE(fit.smallCaption);
  // The shrunk caption is what the second text must stay clear of.
  fit = FitKeyCaption(42, 60, 20, 10);
  EXPECT_TRUE(fit.smallCaption);
  EXPECT_TRUE(fit.showSecondText);
  fit = FitKeyCaption(42, 60, 35, 10);
  EXPECT_FALSE(fit.showSecondText);
  // A caption exactly as wide as the room keeps its font.
  EXPECT_FALSE(FitKeyCaption(42, 42, 30, 0).smallCaption);
}

class KeyButtonTopLineTest : public ControlsTest {
 protected:
  // A key of the given width with the caption and second text, painted; its picture.
  winsim::Image Paint(int width, const wchar_t* caption, const wchar_t* second) {
    keys_.push_back(std::make_unique<KeyButton>());
    KeyButton& key = *keys_.back();
    EXPECT_TRUE(key.Create(caption, 0x5000000B, CRect(10, 10, 10 + width, 70), parent_, 5000));
    key.secondText = second;
    key.Invalidate();
    return winsim::CaptureWindow(key.m_hWnd);
  }

  void SetUp() override {
    ControlsTest::SetUp();
    parent_ = CreateParent(300, 100);
  }

  CWnd* parent_ = nullptr;
  std::vector<std::unique_ptr<KeyButton>> keys_;
};

TEST_F(KeyButtonTopLineTest, ANarrowKeyLeavesOutTheSecondTextAndAWideOneShowsIt) {
  // On a key of the keyboard view's width the second text would overlap the caption: it is not drawn.
  EXPECT_EQ(Paint(50, L"PrtSc", L"SysRq").rgba, Paint(50, L"PrtSc", L"").rgba);
  EXPECT_EQ(Paint(50, L"Pause", L"Break").rgba, Paint(50, L"Pause", L"").rgba);
  // With room for both it is.
  EXPECT_NE(Paint(120, L"PrtSc", L"SysRq").rgba, Paint(120, L"PrtSc", L"").rgba);
  EXPECT_NE(Paint(50, L"1", L"!").rgba, Paint(50, L"1", L"").rgba);
}

TEST_F(KeyButtonTopLineTest, ACaptionTooWideForTheKeyIsDrawnSmallerWithinTheKey) {
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
