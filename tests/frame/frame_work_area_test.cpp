// The editor window's stored position with a task bar on one side of the screen: the normal placement is
// in workspace coordinates, the stored position in screen coordinates, so reopening puts the window back
// where it was, however often it is closed and opened.
#include <win32/simulation.h>

#include <vector>

#include "frame_fixture.h"

namespace Talvo::testing {
namespace {

struct TaskBarCase {
  const char* name;
  RECT workArea;
};

std::vector<LONG> Corners(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

class FrameWorkAreaTest : public FrameTest, public ::testing::WithParamInterface<TaskBarCase> {};

TEST_P(FrameWorkAreaTest, ReopeningPutsTheWindowWhereItWas) {
  winsim::SetWorkArea(GetParam().workArea);
  const CRect placed(300, 200, 1700, 900);  // the smallest width the editor takes is 1350
  OpenFrame().MoveWindow(&placed);
  for (int reopening = 1; reopening <= 2; ++reopening) {
    CloseFrame();
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(GetTalvo().GetMainDocument()->GetPosition(x, y, width, height));
    EXPECT_EQ(Corners({x, y, x + width, y + height}), Corners(placed)) << "stored, reopening " << reopening;
    EXPECT_EQ(Corners(WindowRect(OpenFrame().m_hWnd)), Corners(placed)) << "reopening " << reopening;
  }
}

INSTANTIATE_TEST_SUITE_P(TaskBars, FrameWorkAreaTest,
                         ::testing::Values(TaskBarCase{"Left", {62, 0, 1920, 1080}},
                                           TaskBarCase{"Top", {0, 48, 1920, 1080}},
                                           TaskBarCase{"Bottom", {0, 0, 1920, 1032}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace Talvo::testing
