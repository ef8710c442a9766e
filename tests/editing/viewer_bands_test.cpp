// The key page's viewer after a theme change: the heading and group-row bands run to the grid's right edge,
// as the value columns share the width again.
#include "editing/function_viewer_tab.h"
#include "editing/function_viewer_tabs.h"
#include "function_editor_fixture.h"
#include "support/picture_measure.h"

namespace Talvo::testing {
namespace {

class ViewerBandsTest : public FunctionEditorTest {};

TEST_F(ViewerBandsTest, HeadingAndGroupBandsReachTheGridsRightEdgeInBothThemes) {
  AssignNewFunction(kKindContextSensitive);
  // Wide enough that the value columns get more than their 140 pixels when fitted to the window.
  host_->SetWindowPos(nullptr, 0, 0, 1900, 760, SWP_NOZORDER | SWP_NOMOVE);
  MakeViewerStrip();
  FunctionViewerTab* page = viewerStrip_->GetPage(0);
  ASSERT_NE(page, nullptr);
  CTreeGridCtrl& grid = page->GetGrid();
  for (const AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    page->FollowHostTheme();
    winsim::PumpMessages();
    CRect client;
    grid.GetClientRect(&client);
    CRect screen = client;
    grid.ClientToScreen(&screen);
    const winsim::Image picture = winsim::CaptureScreenRect(screen);
    for (int row : {0, 1}) {  // the block heading and the "Tap" group row
      CRect first;
      ASSERT_TRUE(grid.GetCellRect(row, 0, &first));
      const int y = first.top + 3;  // above the text
      EXPECT_EQ(picture.Pixel(client.right - 2, y), picture.Pixel(first.left + 2, y)) << theme << " row " << row;
    }
  }
}

}  // namespace
}  // namespace Talvo::testing
