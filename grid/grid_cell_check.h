// CGridCellCheck: a cell with a check box at its left edge, followed by its text. Changing the check
// tells an options page that holds the grid (WM_GRID_CHECK_CHANGED).
#pragma once

#include "grid/grid_cell.h"

namespace Talvo {

class CGridCellCheck : public CGridCell {
  DECLARE_DYNCREATE(CGridCellCheck)
 public:
  CGridCellCheck() = default;

  // Remembers where it is drawn, draws the base cell right of the box, then the box.
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;
  // The base cell's text rectangle (the text is not moved past the box here).
  BOOL GetTextRect(LPRECT pRect) override;
  // The base extent widened by the box and its margins.
  CSize GetCellExtent(CDC* pDC) override;

  // Stores the check, repaints the box where the cell was last drawn and tells an options page; returns the
  // previous value.
  BOOL SetCheck(BOOL bChecked = TRUE);
  BOOL GetCheck() const { return m_bChecked; }
  // The check box inside the rectangle the cell was last drawn in.
  CRect GetCheckPlacement() const;

 protected:
  BOOL m_bChecked = FALSE;  // the check
  CRect m_Rect;             // where the cell was last drawn (empty before the first drawing)
};

}  // namespace Talvo
