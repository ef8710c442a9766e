// The editor window's life: one global window, the host's accelerators while it is active, and its
// position kept in the main settings document.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame_fixture.h"

namespace Talvo::testing {
namespace {

TEST_F(FrameTest, OneWindowWhichClosingForgets) {
  Frame& first = OpenFrame();
  const HWND window = first.m_hWnd;
  EXPECT_EQ(&OpenFrame(), &first);
  EXPECT_EQ(::GetForegroundWindow(), window);
  EXPECT_EQ(EditorWindow(), window);
  EXPECT_EQ(EditorFrame(), &first);
  CloseFrame();
  EXPECT_EQ(*GetFrame(), nullptr);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(EditorWindow(), nullptr);
  EXPECT_EQ(EditorFrame(), nullptr);
}

// Steps the editor window takes, and the host's accelerators expected after each.
enum class Step { Open, Activate, Deactivate, Minimize, Close };
struct AcceleratorCase {
  const char* name;
  bool enabledBefore;
  std::vector<std::pair<Step, bool>> steps;
};

class FrameAcceleratorTest : public FrameTest, public ::testing::WithParamInterface<AcceleratorCase> {};

TEST_P(FrameAcceleratorTest, OffWhileActiveAndGivenBackAsTheyWere) {
  if (GetParam().enabledBefore) EnableAccelerators(); else DisableAccelerators();
  for (const auto& [step, expected] : GetParam().steps) {
    switch (step) {
      case Step::Open: OpenFrame(); break;
      case Step::Activate: ::SendMessageW((*GetFrame())->m_hWnd, WM_ACTIVATE, WA_ACTIVE, 0); break;
      case Step::Deactivate: ::SendMessageW((*GetFrame())->m_hWnd, WM_ACTIVATE, WA_INACTIVE, 0); break;
      case Step::Minimize: (*GetFrame())->ShowWindow(SW_MINIMIZE); winsim::PumpMessages(); break;
      case Step::Close: CloseFrame(); break;
    }
    EXPECT_EQ(AcceleratorsEnabled() != FALSE, expected) << static_cast<int>(step);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameAcceleratorTest,
    ::testing::Values(
        AcceleratorCase{"OnBefore", true,
                        {{Step::Open, false}, {Step::Deactivate, true}, {Step::Activate, false}, {Step::Close, true}}},
        AcceleratorCase{"OffBefore", false, {{Step::Open, false}, {Step::Deactivate, false}, {Step::Close, false}}},
        AcceleratorCase{"Minimized", true, {{Step::Open, false}, {Step::Minimize, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct PositionCase {
  const char* name;
  RECT closedAt;  // where the user left the window (left, top, right, bottom)
  SIZE screen;
  RECT expected;  // where it opens again
};

class FramePositionTest : public FrameTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(FramePositionTest, KeptAcrossCloseAndClampedToTheScreen) {
  const PositionCase& c = GetParam();
  Frame& frame = OpenFrame();
  frame.MoveWindow(c.closedAt.left, c.closedAt.top, c.closedAt.right - c.closedAt.left,
                   c.closedAt.bottom - c.closedAt.top);
  CloseFrame();
  winsim::SetScreenSize(c.screen.cx, c.screen.cy);
  EXPECT_EQ(CRect(WindowRect(OpenFrame().m_hWnd)), CRect(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FramePositionTest,
    ::testing::Values(PositionCase{"OffTheRight", {900, 400, 2300, 1100}, {1920, 1080}, {520, 380, 1920, 1080}},
                      PositionCase{"SmallerScreen", {300, 200, 1700, 900}, {1600, 900}, {200, 200, 1600, 900}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameTest, FirstOpeningWithoutAStoredPositionUsesTheDefaultRectangle) {
  EXPECT_EQ(CRect(WindowRect(OpenFrame().m_hWnd)), CRect(60, 60, 1460, 800));
}

TEST_F(FrameTest, MinimizedCloseKeepsTheNormalRectangle) {
  Frame& frame = OpenFrame();
  frame.MoveWindow(120, 80, 1400, 700);
  frame.ShowWindow(SW_MINIMIZE);
  winsim::PumpMessages();
  CloseFrame();
  int x = 0, y = 0, width = 0, height = 0;
  ASSERT_TRUE(GetTalvo().GetMainDocument()->GetPosition(x, y, width, height));
  EXPECT_EQ(std::vector<int>({x, y, width, height}), std::vector<int>({120, 80, 1400, 700}));
}

}  // namespace
}  // namespace Talvo::testing
