#include "resources/dialogs/function_viewer_tab.h"

#include <windows.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page = ChildPageFrame(470, 240);

  constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  page.items.push_back(DialogItem(WC_BUTTONW, IDC_VIEWER_PREVIOUS_LEVEL, kButton, 17, 12, 18, 14, L"<"));
  page.items.push_back(DialogItem(WC_BUTTONW, IDC_VIEWER_NEXT_LEVEL, kButton, 40, 12, 18, 14, L">"));
  page.items.push_back(DialogItem(WC_STATICW, IDC_VIEWER_LEVEL_ICON, WS_VISIBLE | SS_NOTIFY, 66, 9, 20, 20, L""));
  page.items.push_back(DialogItem(WC_STATICW, IDC_VIEWER_MODE, WS_VISIBLE, 96, 10, 150, 16, L"Mode"));
  page.items.push_back(DialogItem(WC_BUTTONW, IDC_VIEWER_FEWER_SELECTED, kButton, 3, 42, 18, 14, L"^"));
  page.items.push_back(DialogItem(WC_BUTTONW, IDC_VIEWER_MORE_SELECTED, kButton, 3, 60, 18, 14, L"\u02C5"));
  page.items.push_back(DialogItem(L"MFCGridCtrl", IDC_VIEWER_GRID, WS_VISIBLE | WS_TABSTOP, 25, 38, 440, 196, L""));
  return page;
}

}  // namespace

void RegisterFunctionViewerTabTemplate() {
  if (FindDialogTemplate(IDD_FUNCTION_VIEWER) == nullptr) RegisterDialogTemplate(IDD_FUNCTION_VIEWER, MakeTemplate());
}

}  // namespace Talvo
