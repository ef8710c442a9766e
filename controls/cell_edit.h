// The in-place text editor of a grid cell: an edit field that lives in the grid and carries the tags the
// page gave its cell.
#pragma once

#include <afxwin.h>

#include <string>

#include "engine/messages.h"
#include "controls/cell_editor_links.h"

namespace Talvo {

class CellEdit final : public CEdit {
  DECLARE_DYNAMIC(CellEdit)
 public:
  // The column whose editors report every character.
  static constexpr int kReportingColumn = 10;

  // Creates the editor as a child of the grid with the text.
  CellEdit(CWnd* grid, const RECT& rect, DWORD style, UINT id, int row, int column, const std::wstring& text);

  CWnd* GetGrid() const { return grid_; }
  int GetRow() const { return row_; }
  int GetColumn() const { return column_; }
  // The grid moves the cell to another place when it renumbers its rows.
  void SetCellPlace(int row, int column) {
    row_ = row;
    column_ = column;
  }

  // Tags the page stores through the text cell and reads back; the editor does not interpret them.
  std::wstring textTag1;
  std::wstring textTag2;
  int numberTag1 = -1;
  int numberTag2 = -1;
  BYTE flagTag = 0;

 protected:
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  void OnSetFocus(CWnd* pOldWnd);
  void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()

 private:
  CWnd* grid_;
  int row_;
  int column_;
  FocusAccelerators accelerators_;
};

}  // namespace Talvo
