// The icon-button cell: its "+" or dot button sits left of the cell's text, follows the cell and hides out of
// view.
#include "grid/grid_cell_icon_button.h"

#include <algorithm>

#include "grid_cell_editors_fixture.h"

namespace Talvo::testing {
namespace {

using GridCellIconButtonTest = EditorGridTest;

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(GridCellIconButtonTest, TheButtonSitsOnItsCellWithThePlusOrTheDot) {
  CGridCtrl* grid = MakeSizedGrid(40, 3);
  auto* plus = MakeCell<GridCellIconButton>(*grid, 2, 1);
  auto* dot = MakeCell<GridCellIconButton>(*grid, 3, 1);
  auto* hidden = MakeCell<GridCellIconButton>(*grid, 35, 1);
  plus->SetText(L"Tap");
  dot->inputName = L"Override Mode";
  EXPECT_EQ(hidden->CreateButton(), nullptr);  // not visible
  ASSERT_NE(plus->CreateButton(), nullptr);
  ASSERT_NE(dot->CreateButton(), nullptr);
  CellIconButton* button = plus->GetButton();
  EXPECT_EQ(CCellID(button->row, button->column), CCellID(2, 1));
  EXPECT_EQ(button->GetWindowText(), L"Tap");
  EXPECT_EQ(static_cast<UINT>(::GetWindowLongPtrW(button->m_hWnd, GWLP_ID)), EditorControlId(2, 1));
  EXPECT_TRUE(EndsWith(button->ImagePath(0), L"Icons/TalvoPls-20x20_n_i.bmp"));
  EXPECT_TRUE(EndsWith(dot->GetButton()->ImagePath(0), L"Icons/TalvoDot-20x20_n_i.bmp"));

  // Out of view it hides, back it reappears.
  grid->SetRowHeight(0, 1000);
  grid->PlaceCellEditors();
  EXPECT_FALSE(IsShown(*button));
  grid->SetRowHeight(0, 30);
  grid->PlaceCellEditors();
  EXPECT_TRUE(IsShown(*button));
}

TEST_F(GridCellIconButtonTest, TheDarkThemeTakesTheDarkImages) {
  hostsim::SetTheme(kDarkTheme);
  CGridCtrl* grid = MakeSizedGrid(4, 3);
  auto* cell = MakeCell<GridCellIconButton>(*grid, 1, 1);
  ASSERT_NE(cell->CreateButton(), nullptr);
  EXPECT_TRUE(EndsWith(cell->GetButton()->ImagePath(0), L"IconsDark/TalvoPls-20x20_n_i.bmp"));
}

TEST_F(GridCellIconButtonTest, TheTextIsDrawnBesideTheButtonWithoutErasing) {
  CGridCtrl* grid = MakeSizedGrid(4, 3);
  grid->GetDefaultCell(FALSE, FALSE)->SetTextClr(RGB(0, 0, 0));
  grid->GetDefaultCell(FALSE, FALSE)->SetBackClr(RGB(0, 0, 255));
  auto* cell = MakeCell<GridCellIconButton>(*grid, 1, 1);
  cell->SetText(L"WWWW");
  CellCanvas canvas(200, 30);
  ASSERT_TRUE(cell->Draw(&canvas.dc, 1, 1, CRect(0, 0, 199, 29)));
  int firstInk = 200;
  int erased = 0;  // pixels of the cell's background colour
  for (int x = 0; x < 200; ++x) {
    for (int y = 0; y < 30; ++y) {
      const COLORREF pixel = canvas.dc.GetPixel(x, y);
      erased += pixel == RGB(0, 0, 255) ? 1 : 0;
      if (pixel != canvas.paper) firstInk = std::min(firstInk, x);
    }
  }
  EXPECT_EQ(erased, 0);
  EXPECT_GE(firstInk, 29 + static_cast<int>(cell->GetMargin()));
  // Like every cell with a window, it measures room for a scroll bar beside its text.
  EXPECT_EQ(cell->GetCellExtent(nullptr).cx,
            cell->CGridCell::GetCellExtent(nullptr).cx + ::GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace
}  // namespace Talvo::testing
