// The rows of a "3DSMax Classic" page: always 18 of them, whatever cases the function has. A root row, the
// count row "Global [Not context sensitive]", and per modifier group a group row with one "Single Tap" row
// under it. Nothing is hidden and no row carries a tree button; only the expanded case opens rows.
#pragma once

#include "editing/case_rows.h"

namespace Talvo {

inline constexpr int kClassicRowCount = 18;

CaseGridPlan PlanClassicGrid(ExpandedCase expanded);

}  // namespace Talvo
