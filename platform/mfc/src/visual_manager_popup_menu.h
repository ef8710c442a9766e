// Popup menus painted by the installed visual manager, as the class library's own menus are.
#pragma once

namespace mfc_internal {

// Lets open popup menus ask the installed visual manager (whichever it is when they paint) for their
// background, separators and text colour.
void PaintPopupMenusWithVisualManager();

}  // namespace mfc_internal
