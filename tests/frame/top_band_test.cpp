// The editor window's top band: the "Keyboard Layout:" label reads as part of the menu bar in both themes.
#include <gtest/gtest.h>

#include "frame_fixture.h"
#include "support/picture_measure.h"

namespace Talvo::testing {
namespace {

using TopBandTest = FrameTest;

TEST_F(TopBandTest, TheLayoutLabelTakesTheBarsColourAndItsTextReads) {
  Frame& frame = OpenFrame();
  for (const AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    winsim::PumpMessages();
    CStatic& label = frame.GetLayoutLabel();
    const winsim::Image picture = winsim::CaptureWindow(label.m_hWnd);
    const RECT whole{0, 0, picture.width, picture.height};
    EXPECT_EQ(DominantColourIn(picture, whole), ColorMan()->GetColor(kBackground)) << theme;
    EXPECT_GE(TextContrastIn(picture, whole), kTextContrast) << theme;
  }
}

}  // namespace
}  // namespace Talvo::testing
