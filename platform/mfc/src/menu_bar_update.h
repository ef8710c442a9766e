// Update handlers over bar buttons: the CCmdUI that applies what a handler asked for to a button.
#pragma once

#include "mfc/cmd_ui.h"
#include "mfc/menu_bar.h"

namespace mfc_internal {

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
