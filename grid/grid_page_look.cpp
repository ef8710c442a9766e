#include "grid/grid_page_look.h"

#include "grid/grid_cell.h"

namespace Talvo {

void ApplyPageLook(CGridCtrl& grid, const GridPageLook& look) {
  // Every default cell gets the size: new rows take their height from the fixed-row default.
  for (BOOL fixedRow : {FALSE, TRUE}) {
    for (BOOL fixedColumn : {FALSE, TRUE}) {
      auto* cell = dynamic_cast<CGridDefaultCell*>(grid.GetDefaultCell(fixedRow, fixedColumn));
      if (cell == nullptr) continue;
      if (look.cellWidth > 0) cell->SetWidth(look.cellWidth);
      cell->SetHeight(look.cellHeight);
      cell->SetMargin(look.cellMargin);
    }
  }
  grid.SetGridLines(GVL_NONE);
  grid.SetGridBkColor(look.background);
  grid.SetGridLineColor(look.background);
  if (CGridCellBase* normal = grid.GetDefaultCell(FALSE, FALSE)) {
    normal->SetBackClr(look.background);
    normal->SetTextClr(look.text);
    normal->SetFormat(0);
  }
}

}  // namespace Talvo
