#include "editing/functions_tab_template.h"

#include <windows.h>
#include <host/toolbar.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page = ChildPageFrame(560, 320);
  page.items = {
      DialogItem(WC_STATICW, IDC_FUNCTION_CURRENT_LABEL, WS_VISIBLE, 17, 11, 80, 8, L"Current Function"),
      DialogItem(WC_EDITW, IDC_FUNCTION_NAME, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 17, 24, 93, 12,
                 L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_FUNCTION_SAVE_BAR, WS_VISIBLE, 127, 24, 15, 15, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_FUNCTION_EXPORT_BAR, WS_VISIBLE, 148, 24, 15, 15, L""),
      DialogItem(WC_STATICW, IDC_FUNCTION_EXISTING_LABEL, WS_VISIBLE, 17, 43, 80, 8, L"Existing Functions"),
      DialogItem(WC_BUTTONW, IDC_FUNCTION_MENU, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 15, 56, 93, 14,
                 L"Functions ..."),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_FUNCTION_NEW_BAR, WS_VISIBLE, 128, 57, 15, 15, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_FUNCTION_DELETE_BAR, WS_VISIBLE, 148, 57, 15, 15, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_FUNCTION_IMPORT_BAR, WS_VISIBLE, 168, 57, 15, 15, L""),
      DialogItem(WC_BUTTONW, IDC_FUNCTION_LEARNING, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 200, 58, 10, 10, L""),
      DialogItem(WC_STATICW, IDC_FUNCTION_LEARNING_LABEL, WS_VISIBLE, 213, 59, 60, 8, L"Learning Mode"),
      DialogItem(WC_STATICW, IDC_FUNCTION_LOGO, WS_VISIBLE, 525, 7, 15, 13, L""),
  };
  return page;
}

}  // namespace

void RegisterFunctionsTabTemplate() {
  if (FindDialogTemplate(IDD_FUNCTIONS_PAGE) == nullptr) RegisterDialogTemplate(IDD_FUNCTIONS_PAGE, MakeTemplate());
}

}  // namespace Talvo
