// The look every editing page gives its grid: default cells of one size and margin, no grid lines, the
// page's background behind and inside the cells and its text colour, texts left-aligned on one line.
#pragma once

#include "grid/grid_ctrl.h"

namespace Talvo {

struct GridPageLook {
  int cellWidth = 0;  // 0 keeps the default cells' width
  int cellHeight = 0;
  int cellMargin = 0;
  COLORREF background = 0;
  COLORREF text = 0;
};

void ApplyPageLook(CGridCtrl& grid, const GridPageLook& look);

}  // namespace Talvo
