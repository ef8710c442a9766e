// What the redraw thread's message does while the editor window exists: the cell editors of the visible
// function editor or wheel-events editor grid follow the rows after a vertical scroll.
#pragma once

namespace Talvo {

// Re-places the cell editors of the active editor page's grid when the editor window shows the functions
// page or the wheel-events page and that page's strip holds an editor page besides its "+" tab.
void RedrawActiveGrid();

}  // namespace Talvo
