// The grid's two pop-up menus, both owner-drawn context menus of the control toolkit that only fill
// themselves; the editor window carries out their commands.
//   GridContextMenu      a right click on a case row of a function-editor grid (copy and paste of cases, or
//                        the script commands on a script drop-down)
//   GridNodeContextMenu  the "+" button of a case-grid cell (cases that can be added below the row)
#pragma once

#include "controls/context_menu.h"

namespace Talvo {

class CGridCtrl;
class CellIconButton;

class GridContextMenu : public ContextMenu {
 public:
  GridContextMenu(CGridCtrl* pOwner, CPoint screenPoint, BOOL bScriptCell);

  // Script cell: New, Open, Edit, Rename, Copy, Paste, Delete; otherwise the case Copy and Paste (greyed
  // while no case is copied).
  BOOL Build() override;

  CGridCtrl* GetOwnerGrid() const { return m_pOwner; }
  CPoint GetScreenPoint() const { return m_point; }

 private:
  CGridCtrl* m_pOwner;   // the grid clicked
  CPoint m_point;        // where, on the screen
  BOOL m_bScriptCell;    // the cell is a script drop-down of column 10
};

class GridNodeContextMenu : public ContextMenu {
 public:
  GridNodeContextMenu(CellIconButton* pButton, CPoint screenPoint);

  // First row or corner: the "Add n selected" items; another row: the modifier or tap-count items of the
  // row's menu kind, after handing the button's case to the editor window's cell-menu record.
  BOOL Build() override;

  CPoint GetScreenPoint() const { return m_point; }

 private:
  CellIconButton* m_pButton;  // the button clicked
  CPoint m_point;             // where, on the screen
};

// Installs the grid's node menu as the cell icon buttons' menu (the control toolkit asks for it on every
// click); grids do it when they are built.
void InstallGridNodeMenu();

}  // namespace Talvo
