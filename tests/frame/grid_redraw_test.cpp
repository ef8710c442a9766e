// A vertical scroll of a function editor grid places its cell editors and asks the redraw thread, whose
// message, taken by the get-message hook, makes the editor window re-place them.
#include <gtest/gtest.h>

#include <vector>

#include "editing/function_editor_tabs.h"
#include "editing/functions_tab.h"
#include "engine/key_hooks.h"
#include "engine/redraw_thread.h"
#include "frame/grid_redraw.h"
#include "frame_fixture.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

// The screen tops of the grid's visible editor windows, in child order.
std::vector<LONG> EditorTops(HWND grid) {
  std::vector<LONG> tops;
  for (HWND child = ::GetWindow(grid, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    if (::IsWindowVisible(child)) tops.push_back(rect.top);
  }
  return tops;
}

class GridRedrawTest : public FrameTest {
 protected:
  void TearDown() override {
    StopRedrawThread();
    RemoveKeyHooks();
    SetGridRedrawHandler(nullptr);
    FrameTest::TearDown();
  }
};

TEST_F(GridRedrawTest, ScrollingPutsTheEditorsInPlaceAtTheRedrawThreadsMessage) {
  GetTalvo().CreateFunction(kKindMultiTapModifiers);
  Frame& frame = OpenFrame();
  frame.GetTabs().SetActiveTab(1);
  FunctionEditorTabs& strip = DYNAMIC_DOWNCAST(FunctionsTab, frame.GetTabs().GetPageAt(1))->GetEditorTabs();
  ASSERT_GT(strip.GetPageCount(), 0);
  strip.SetActiveTab(1);
  winsim::PumpMessages();
  const HWND grid = strip.GetPage(0)->GetGrid().m_hWnd;
  const std::vector<LONG> placed = EditorTops(grid);
  ASSERT_FALSE(placed.empty());
  // An editor out of its cell's place, as the rows under it would leave it after a scroll.
  HWND editor = ::GetWindow(grid, GW_CHILD);
  while (!::IsWindowVisible(editor)) editor = ::GetWindow(editor, GW_HWNDNEXT);
  const auto displace = [&] {
    RECT rect{};
    ::GetWindowRect(editor, &rect);
    ::MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&rect), 2);
    ::SetWindowPos(editor, nullptr, rect.left, rect.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  displace();
  const std::vector<LONG> displaced = EditorTops(grid);
  ASSERT_NE(displaced, placed);

  InstallKeyHooks();
  EnableRedrawThread();
  SetGridRedrawHandler(&RedrawActiveGrid);
  ::SendMessageW(grid, WM_VSCROLL, SB_LINEDOWN, 0);
  // The scroll places the editors at once; the redraw thread's message, through the get-message hook,
  // places them again.
  EXPECT_EQ(EditorTops(grid), placed);
  displace();
  EXPECT_EQ(EditorTops(grid), displaced);
  MSG msg{};
  ASSERT_GT(::GetMessageW(&msg, reinterpret_cast<HWND>(-1), RedrawGridMessage, RedrawGridMessage), 0);
  EXPECT_EQ(EditorTops(grid), placed);
}

}  // namespace
}  // namespace Talvo::testing
