// The base visual manager's popup menus in the system's menu colours, and the painter that hands every open
// popup menu to the installed manager.
#include "visual_manager_popup_menu.h"

#include <utility>

#include "mfc/visual_manager.h"

void CMFCVisualManager::OnFillPopupMenuBackground(CDC* pDC, CRect rect) {
  pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_MENU));
}

void CMFCVisualManager::OnDrawPopupMenuSeparator(CDC* pDC, CRect rect) {
  // One line across the row's middle, leaving the check column free.
  const int y = rect.CenterPoint().y;
  pDC->FillSolidRect(rect.left + 24, y, rect.Width() - 28, 1, ::GetSysColor(COLOR_3DSHADOW));
}

namespace mfc_internal {

void PaintPopupMenusWithVisualManager() {
  winsim::PopupMenuPainter painter;
  painter.fillBackground = [](HDC dc, const RECT& client) {
    CMFCVisualManager::GetInstance()->OnFillPopupMenuBackground(CDC::FromHandle(dc), CRect(client));
  };
  painter.drawSeparator = [](HDC dc, const RECT& row) {
    CMFCVisualManager::GetInstance()->OnDrawPopupMenuSeparator(CDC::FromHandle(dc), CRect(row));
  };
  painter.textColor = [](bool disabled) {
    return CMFCVisualManager::GetInstance()->GetMenuItemTextColor(nullptr, FALSE, disabled ? TRUE : FALSE);
  };
  // The library's menus show one separator between groups of items, never one at either end.
  painter.hideExtraSeparators = true;
  winsim::SetPopupMenuPainter(std::move(painter));
}

}  // namespace mfc_internal
