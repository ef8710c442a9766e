// The columns of a function editor page's tap rows, sized for what they show: every label ("Group: ",
// "  Category: ", "Action: ", "MaxScript: ") whole, and the Group, Category and Action drop-downs as wide as
// the longest entry they usually show, so that a choice just made can be read.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "grid/grid_ctrl.h"

namespace Talvo {

// The widest a Group, Category or Action column grows; the script column keeps the rest of the page.
inline constexpr int kWidestPickerColumn = 200;

// The width a drop-down column needs for texts whose widest measures `widestText` pixels: the text, the
// drop-down's arrow button and its padding; within [minimum, kWidestPickerColumn].
int PickerColumnWidth(int widestText, int minimum);
// The entries a picker column shows whatever the case: the fixed entries of the chain and, in the Group
// column, every group.
std::vector<std::wstring> UsualPickerEntries(int column);
// Widens the label columns 3, 5, 7, 9 to their texts and the picker columns 4, 6, 8 to their usual entries
// and the texts the rows show now; never narrows a column. The picker columns grow only as far as the grid
// leaves the script column its room (its buttons and "Not Selected").
void FitPickerColumns(CGridCtrl& grid);

}  // namespace Talvo
