// GridWindowCell: what the cells that keep a window of their own on top of themselves share: the three
// editor cells (grid_cell_editors.h) and the icon-button cell (grid_cell_icon_button.h). The grid re-places
// all of them alike after every scroll, size or layout change (PlaceOnCell); a cell that the grid moves to
// another row hands its new place on to its windows, whose control ids and rows name the cell.
#pragma once

#include <memory>
#include <vector>

#include "controls/icon_button.h"
#include "grid/grid_cell.h"

namespace Talvo {

// Control ids: a cell's window MAKELONG(row, column), script button i MAKELONG(row, column + 100 + i).
UINT EditorControlId(int row, int column);
UINT ScriptButtonControlId(int row, int column, int index);
// The extent these cells report: the base extent widened by a vertical scroll bar and at least as high as a
// horizontal one.
CSize EditorCellExtent(CSize baseExtent);

class GridWindowCell : public CGridCell {
 public:
  // Puts the cell's window (and its buttons) on the cell's current rectangle, or hides them when the cell is
  // out of view.
  virtual void PlaceOnCell() = 0;

  // Stores the place; when it changed, the window and the script buttons take the ids (and the buttons that
  // carry the cell's row and column take the row and column) of the new place.
  void SetCoords(int nRow, int nCol) override;
  CSize GetCellExtent(CDC* pDC) override;

  const std::vector<std::unique_ptr<IconButton>>& GetButtons() const { return m_Buttons; }

 protected:
  // The cell's grid when the grid has a live window and the cell's coordinates lie inside it; else null.
  CGridCtrl* PlacedGrid() const;
  // The cell's rectangle in the grid's client area (right and bottom inclusive) and, when asked, the part of
  // it inside the client area; FALSE when the rectangle is empty or lies wholly outside the client area.
  BOOL IsInView(const CGridCtrl& grid, CRect& rect, CRect* visiblePart = nullptr) const;
  // The placed grid while the cell is in view, with the cell's rectangle; else null.
  CGridCtrl* GridShowingCell(CRect& rect) const;
  // For cells that move an existing window only: while the cell is in view, shows the window when hidden and
  // answers the grid and the cell's rectangle; out of view, hides the window and answers null. Null without
  // a window.
  CGridCtrl* ShowWindowOnCell(CRect& rect);
  // Makes the window the cell's (owned from then on), enabled or not.
  void AdoptWindow(CWnd* pWnd, BOOL bEnable);
  // Destroys the cell's window and deletes it.
  void DestroyWindowOfCell();
  // Appends script buttons 0 to count - 1 as children of the parent; with carryCell they carry the cell's
  // row and column and its window as their value, else row and column -1 and no value.
  void AddScriptButtons(CWnd* parent, int count, bool carryCell);
  // Lets the buttons repaint over the cell after it was drawn.
  void InvalidateButtons() const;
  // Whether the window carries the id MAKELONG(row, column); the spin editor is told its row and column at
  // creation instead.
  virtual bool WindowHasCellId() const { return true; }

  std::vector<std::unique_ptr<IconButton>> m_Buttons;  // the script buttons, in their order on the cell
};

}  // namespace Talvo
