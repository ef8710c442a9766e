#include "editing/wheel_events_tab_template.h"

#include <windows.h>
#include <host/toolbar.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page = ChildPageFrame(560, 320);
  page.items = {
      DialogItem(WC_STATICW, IDC_WHEEL_EVENTS_CURRENT_LABEL, WS_VISIBLE, 17, 11, 90, 8, L""),
      DialogItem(WC_EDITW, IDC_WHEEL_EVENTS_NAME, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 17, 24, 93,
                 12, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_WHEEL_EVENTS_SAVE_BAR, WS_VISIBLE, 127, 24, 15, 15, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_WHEEL_EVENTS_EXPORT_BAR, WS_VISIBLE, 148, 24, 15, 15, L""),
      DialogItem(WC_STATICW, IDC_WHEEL_EVENTS_EXISTING_LABEL, WS_VISIBLE, 17, 43, 90, 8, L""),
      DialogItem(WC_BUTTONW, IDC_WHEEL_EVENTS_MENU, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 15, 56, 93, 14, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_WHEEL_EVENTS_NEW_BAR, WS_VISIBLE, 128, 57, 15, 15, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_WHEEL_EVENTS_DELETE_BAR, WS_VISIBLE, 148, 57, 15, 15, L""),
      DialogItem(CUSTTOOLBARWINDOWCLASS, IDC_WHEEL_EVENTS_IMPORT_BAR, WS_VISIBLE, 168, 57, 15, 15, L""),
      DialogItem(WC_STATICW, IDC_WHEEL_EVENTS_LOGO, WS_VISIBLE, 525, 7, 15, 13, L""),
  };
  return page;
}

}  // namespace

void RegisterWheelEventsTabTemplate() {
  if (FindDialogTemplate(IDD_WHEEL_EVENTS_PAGE) == nullptr) {
    RegisterDialogTemplate(IDD_WHEEL_EVENTS_PAGE, MakeTemplate());
  }
}

}  // namespace Talvo
