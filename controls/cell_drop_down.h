// The in-place drop-down editor of a grid cell: a combo box that lives in the grid, lists the cell's
// options (or the program's custom scripts) and reports the user's choice to the page that holds the grid.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

#include "engine/messages.h"
#include "controls/cell_editor_links.h"

namespace Talvo {

// A combo box whose items are refilled whole.
class CMyComboBox : public CComboBox {
  DECLARE_DYNAMIC(CMyComboBox)
 public:
  CMyComboBox() = default;

  // Empties the list and adds every item in order.
  void SetItems(const std::vector<std::wstring>& items);
  // Empties the list and adds every name of the program's custom-script list; returns the number added.
  int FillScriptList();
  // Moves the window and makes the selection field fit the new height (height - 4).
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

 private:
  // Opens the list as wide as its longest item (never narrower than the box), so no choice is cut.
  void FitDroppedWidth();
};

class CellDropDown final : public CMyComboBox {
  DECLARE_DYNAMIC(CellDropDown)
 public:
  // Creates the editor as a child of the grid, filled with the options (unless it lists scripts) and
  // showing the current text when it is one of them.
  CellDropDown(CWnd* grid, iDropDownCell* cell, const RECT& rect, DWORD listStyle, UINT id, int row, int column,
               COLORREF textColor, COLORREF backgroundColor, const std::vector<std::wstring>& options,
               const std::wstring& currentText, bool scriptList);

  CWnd* GetGrid() const { return grid_; }
  iDropDownCell* GetCell() const { return cell_; }
  int GetRow() const { return row_; }
  int GetColumn() const { return column_; }
  // The grid moves the cell to another place when it renumbers its rows.
  void SetCellPlace(int row, int column) {
    row_ = row;
    column_ = column;
  }
  bool IsScriptList() const { return scriptList_; }
  // The text of the selected item; empty without a selection.
  std::wstring GetSelectedText() const;

 protected:
  void OnSelChange();
  LRESULT OnSyncDropDown(WPARAM wParam, LPARAM lParam);
  void OnRButtonUp(UINT nFlags, CPoint point);
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnSetFocus(CWnd* pOldWnd);
  void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()

 private:
  CWnd* grid_;
  iDropDownCell* cell_;
  int row_;
  int column_;
  COLORREF textColor_;
  COLORREF backgroundColor_;
  bool scriptList_;
  CBrush backgroundBrush_;
  FocusAccelerators accelerators_;
};

}  // namespace Talvo
