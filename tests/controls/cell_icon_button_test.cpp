// CellIconButton: a click hands the grid's menu the button and the screen point, with the cell-menu flag
// set and the traces around it; it paints on the grid's colour.
#include "controls/cell_icon_button.h"

#include <host/simulation.h>

#include "controls_fixture.h"
#include "engine/editor_shared_state.h"

namespace Talvo::testing {
namespace {

using CellIconButtonTest = ControlsTest;

TEST_F(CellIconButtonTest, OpensTheGridMenuAndMarksTheMenuOpen) {
  GetCellMenuRecord() = CellMenuRecord{};
  CellIconButton* clicked = nullptr;
  CPoint where;
  SetCellButtonMenuHandler([&](CellIconButton& button, CPoint screen) {
    clicked = &button;
    where = screen;
  });
  CellIconButton button(CreateParent(), CRect(1, 6, 21, 26), 0, MAKELONG(3, 2), 3, 2, L"Tap");
  EXPECT_TRUE(button.LoadImages(ThemedIconFolder(), L"TalvoPls-20x20", L"bmp", 0xF1));
  EXPECT_EQ(winsim::CaptureWindow(button.m_hWnd).Pixel(0, 0), HostColor(kWindow));
  const POINT centre = CentreOf(button.m_hWnd);
  hostsim::ClearDebugLog();
  winsim::Click(centre.x, centre.y);
  EXPECT_EQ(clicked, &button);
  EXPECT_EQ(where, CPoint(centre));
  EXPECT_TRUE(GetCellMenuRecord().menuOpen);
  EXPECT_EQ(hostsim::DebugLog(), L"Befor menu show\nAfter menu show\n");

  // Without a handler a click only sets the flag.
  SetCellButtonMenuHandler(nullptr);
  GetCellMenuRecord() = CellMenuRecord{};
  winsim::Click(centre.x, centre.y);
  EXPECT_TRUE(GetCellMenuRecord().menuOpen);
  GetCellMenuRecord() = CellMenuRecord{};
}

}  // namespace
}  // namespace Talvo::testing
