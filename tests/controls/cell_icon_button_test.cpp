// CellIconButton: created on its grid with its cell's coordinates; a click hands the grid's menu the
// button and the screen point, with the cell-menu flag set and the traces around it.
#include "controls/cell_icon_button.h"

#include <host/simulation.h>

#include "controls_fixture.h"
#include "engine/editor_shared_state.h"

namespace Talvo::testing {
namespace {

using CellIconButtonTest = ControlsTest;

TEST_F(CellIconButtonTest, OpensTheGridMenuAndMarksTheMenuOpen) {
  CWnd* grid = CreateParent();
  GetCellMenuRecord() = CellMenuRecord{};
  CellIconButton* clicked = nullptr;
  CPoint where;
  SetCellButtonMenuHandler([&](CellIconButton& button, CPoint screen) {
    clicked = &button;
    where = screen;
  });
  {
    CellIconButton button(grid, CRect(1, 6, 21, 26), WS_CLIPCHILDREN, MAKELONG(3, 2), 3, 2, L"Tap");
    EXPECT_EQ(button.GetWindowText(), L"Tap");
    EXPECT_EQ(button.row, 3);
    EXPECT_EQ(button.column, 2);
    EXPECT_EQ(button.modifierByte, 3);
    EXPECT_TRUE(button.GetStyle() & WS_VISIBLE);
    const POINT centre = CentreOf(button.m_hWnd);
    hostsim::ClearDebugLog();
    winsim::Click(centre.x, centre.y);
    EXPECT_EQ(clicked, &button);
    EXPECT_EQ(where, CPoint(centre));
    EXPECT_TRUE(GetCellMenuRecord().menuOpen);
    EXPECT_EQ(hostsim::DebugLog(), L"Befor menu show\nAfter menu show\n");
  }
  SetCellButtonMenuHandler(nullptr);
}

TEST_F(CellIconButtonTest, PaintsOnTheGridColourAndClicksSafelyWithoutAMenu) {
  CWnd* grid = CreateParent();
  CellIconButton button(grid, CRect(1, 6, 21, 26), 0, 7, -1, -1, L"");
  EXPECT_TRUE(button.LoadImages(ThemedIconFolder(), L"TalvoPls-20x20", L"bmp", 0xF1));
  const winsim::Image image = winsim::CaptureWindow(button.m_hWnd);
  EXPECT_EQ(image.Pixel(0, 0), HostColor(kWindow));
  const POINT centre = CentreOf(button.m_hWnd);
  winsim::Click(centre.x, centre.y);  // no handler installed: nothing but the flag
  EXPECT_TRUE(GetCellMenuRecord().menuOpen);
  GetCellMenuRecord() = CellMenuRecord{};
}

}  // namespace
}  // namespace Talvo::testing
