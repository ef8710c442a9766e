// GridCellIconButton: a cell of the function editor's case grid with a 20 x 20 image button left of its
// text: a plus that opens the menu of cases that can be added below the row, or a dot on the rows of the
// "Override Mode" page. The button (a CellIconButton) is the cell's editor window.
#pragma once

#include <string>

#include "controls/cell_icon_button.h"
#include "grid/grid_window_cell.h"

namespace Talvo {

class GridCellIconButton : public GridWindowCell {
  DECLARE_DYNCREATE(GridCellIconButton)
 public:
  // The row kinds a button's menu offers (menuKind).
  static constexpr int kModifierCaseMenu = 1;
  static constexpr int kTapCountMenu = 2;

  GridCellIconButton() = default;
  ~GridCellIconButton() override;

  // Creates the button on the cell (left + 1, top + 6, 19 x 19) with the plus or, on the "Override Mode"
  // page, the dot image; null when the cell has no grid, lies outside it or is not visible.
  virtual CWnd* CreateButton();
  // Deletes the button.
  virtual void DestroyButton();
  // Moves the button onto the cell (shifted by the offset), or hides it when the cell is out of view.
  virtual void PlaceButton();
  void PlaceOnCell() override { PlaceButton(); }

  // The base drawing without erasing; the text is drawn beside the button.
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;

  CellIconButton* GetButton() const { return static_cast<CellIconButton*>(m_pEditWnd); }

  DWORD buttonStyle = 0;       // extra window styles of the button
  int flag = 1;                // the page's own flag
  std::wstring text1;          // strings owned by the filling page
  std::wstring inputName;      // the page's input name; "Override Mode" shows the dot
  std::wstring text3;
  int number1 = 0;             // numbers owned by the filling page
  int number2 = 0;
  int number3 = 3;
  int offset = 0;              // above 0: the button moves right and down by it
  int menuKind = 0;            // kModifierCaseMenu, kTapCountMenu, other values: no menu items
};

}  // namespace Talvo
