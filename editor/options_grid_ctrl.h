// OptionsGridCtrl: the tree grid of the options page. Beyond the tree grid it stores what the user sets in
// the tap-threshold spin cell: the value becomes the tap window and the options document's tap threshold
// as soon as the spin editor reports it.
#pragma once

#include "grid/grid_cell_editors.h"
#include "grid/tree_grid_ctrl.h"

namespace Talvo {

class OptionsGridCtrl : public CTreeGridCtrl {
  DECLARE_DYNCREATE(OptionsGridCtrl)
 public:
  OptionsGridCtrl() = default;

  // The spin cell at (row, column) whose editor is `editor`, or null when the report names no such cell.
  GridCellSpinEdit* FindSpinCell(int row, int column, LPARAM editor) const;

 protected:
  // NEN_CHANGED from a spin editor: wParam MAKEWPARAM(row, column), lParam the editor.
  LRESULT OnSpinValueChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

}  // namespace Talvo
