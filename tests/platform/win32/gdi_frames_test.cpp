#include <gtest/gtest.h>
#include <windows.h>

#include "gdi_test_canvas.h"

namespace {

using gditest::Canvas;
using gditest::SameRect;

TEST(GdiFrames, EdgesUseTheThreeDColoursAndAdjust) {
  Canvas canvas(10, 10);
  RECT rect{0, 0, 10, 10};
  ASSERT_TRUE(DrawEdge(canvas.dc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST));
  EXPECT_TRUE(SameRect(rect, RECT{2, 2, 8, 8}));
  EXPECT_EQ(canvas.At(0, 5), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(canvas.At(9, 5), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(1, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(8, 5), GetSysColor(COLOR_BTNSHADOW));

  RECT sunken{0, 0, 10, 10};
  DrawEdge(canvas.dc, &sunken, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
  EXPECT_EQ(canvas.At(5, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(5, 1), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(5, 5), GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(SameRect(sunken, RECT{0, 0, 10, 10}));  // unchanged without BF_ADJUST
}

TEST(GdiFrames, FocusRectangleIsDottedAndUndoesItself) {
  Canvas canvas(10, 10);
  RECT rect{1, 1, 9, 9};
  DrawFocusRect(canvas.dc, &rect);
  EXPECT_NE(canvas.At(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(2, 1), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(5, 5), RGB(255, 255, 255));
  DrawFocusRect(canvas.dc, &rect);
  EXPECT_EQ(canvas.Count({0, 0, 10, 10}, RGB(255, 255, 255)), 100);
}

TEST(GdiFrames, FrameControlsDrawTheirStates) {
  Canvas canvas(20, 20);
  RECT box{0, 0, 20, 20};
  ASSERT_TRUE(DrawFrameControl(canvas.dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK));
  const int unchecked = canvas.Count({0, 0, 20, 20}, GetSysColor(COLOR_WINDOWTEXT));
  DrawFrameControl(canvas.dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_GT(canvas.Count({0, 0, 20, 20}, GetSysColor(COLOR_WINDOWTEXT)), unchecked);

  Canvas button(20, 20);
  RECT push{0, 0, 20, 20};
  DrawFrameControl(button.dc, &push, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(button.At(0, 10), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(button.At(10, 10), GetSysColor(COLOR_BTNFACE));

  Canvas arrow(16, 16);
  RECT scroll{0, 0, 16, 16};
  DrawFrameControl(arrow.dc, &scroll, DFC_SCROLL, DFCS_SCROLLDOWN);
  EXPECT_GT(arrow.Count({2, 2, 14, 14}, GetSysColor(COLOR_BTNTEXT)), 2);
  EXPECT_FALSE(DrawFrameControl(arrow.dc, &scroll, 99, 0));
}

}  // namespace
