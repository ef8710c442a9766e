#include "editor/assignment_tab_template.h"

#include <windows.h>
#include <host/toolbar.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page = ChildPageFrame(560, 320);
  page.items = {
      DialogItem(WC_BUTTONW, IDC_ASSIGNMENT_KEY, WS_VISIBLE | BS_OWNERDRAW, 7, 9, 34, 32, L""),
      DialogItem(WC_STATICW, IDC_ASSIGNMENT_FUNCTIONS_LABEL, WS_VISIBLE, 50, 11, 80, 8, L"Existing Functions"),
      DialogItem(WC_BUTTONW, IDC_ASSIGNMENT_MENU, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 48, 24, 97, 14, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_ASSIGNMENT_NEW_BAR, WS_VISIBLE, 155, 24, 15, 15, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_ASSIGNMENT_DELETE_BAR, WS_VISIBLE, 175, 24, 15, 15, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_ASSIGNMENT_IMPORT_BAR, WS_VISIBLE, 195, 24, 15, 15, L""),
      DialogItem(WC_BUTTONW, IDC_ASSIGNMENT_LEARNING, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 225, 26, 10, 10, L""),
      DialogItem(WC_STATICW, IDC_ASSIGNMENT_LEARNING_LABEL, WS_VISIBLE, 238, 27, 60, 8, L"Learning Mode"),
      DialogItem(WC_STATICW, IDC_ASSIGNMENT_PICTURE, 0, 525, 7, 15, 13, L""),
  };
  return page;
}

}  // namespace

void RegisterAssignmentTabTemplate() {
  if (FindDialogTemplate(IDD_ASSIGNMENT_PAGE) == nullptr) RegisterDialogTemplate(IDD_ASSIGNMENT_PAGE, MakeTemplate());
}

}  // namespace Talvo
