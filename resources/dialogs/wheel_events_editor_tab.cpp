#include "resources/dialogs/wheel_events_editor_tab.h"

#include <windows.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page = ChildPageFrame(471, 239);
  page.items = {
      DialogItem(L"MFCGridCtrl", IDC_WHEEL_EVENTS_GRID, WS_VISIBLE | WS_TABSTOP, 7, 41, 457, 191, L""),
      DialogItem(WC_BUTTONW, IDC_WHEEL_EVENTS_BACK, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 17, 12, 18, 14, L"<"),
      DialogItem(WC_BUTTONW, IDC_WHEEL_EVENTS_FORWARD, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 40, 12, 18, 14, L">"),
      DialogItem(WC_STATICW, IDC_WHEEL_EVENTS_ICON, WS_VISIBLE, 66, 9, 20, 20, L""),
      DialogItem(WC_STATICW, IDC_WHEEL_EVENTS_TITLE, WS_VISIBLE, 96, 10, 200, 20, L""),
  };
  return page;
}

}  // namespace

void RegisterWheelEventsEditorTabTemplate() {
  if (FindDialogTemplate(IDD_WHEEL_EVENTS_EDITOR) == nullptr) {
    RegisterDialogTemplate(IDD_WHEEL_EVENTS_EDITOR, MakeTemplate());
  }
}

}  // namespace Talvo
