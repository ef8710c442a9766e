// Update handlers over menu items and bar buttons: CCmdUI objects that apply what a handler asked
// for to a menu item (by position) or to a bar button.
#pragma once

#include "mfc/cmd_ui.h"
#include "mfc/menu_bar.h"

namespace mfc_internal {

// Runs pTarget's update handlers over every command item of the popup and its submenus: disabled
// items are greyed, checks and texts set. bDisableIfNoHndler greys items that nobody handles.
void UpdatePopupMenu(HMENU hMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

// A bar button's CCmdUI: Enable sets or clears TBBS_DISABLED, SetCheck TBBS_CHECKED.
class ToolBarButtonCmdUI : public CCmdUI {
 public:
  explicit ToolBarButtonCmdUI(CMFCToolBarButton& button) : m_button(button) {}
  void Enable(BOOL bOn = TRUE) override;
  void SetCheck(int nCheck = 1) override;
  void SetText(LPCWSTR lpszText) override;

 private:
  CMFCToolBarButton& m_button;
};

}  // namespace mfc_internal
