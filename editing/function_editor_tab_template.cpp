#include "editing/function_editor_tab_template.h"

#include <windows.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page = ChildPageFrame(471, 239);
  page.items = {
      DialogItem(L"MFCGridCtrl", IDC_EDITOR_GRID, WS_VISIBLE | WS_TABSTOP, 7, 41, 457, 191, L""),
      // The add-case button stands first: with the level buttons hidden the title moves up beside it.
      DialogItem(WC_BUTTONW, IDC_EDITOR_ADD_CASE, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 8, 12, 13, 13, L"+"),
      DialogItem(WC_BUTTONW, IDC_EDITOR_PREVIOUS_LEVEL, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 26, 12, 13, 13, L"<"),
      DialogItem(WC_BUTTONW, IDC_EDITOR_NEXT_LEVEL, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 43, 12, 13, 13, L">"),
      DialogItem(WC_STATICW, IDC_EDITOR_PICTURE, WS_VISIBLE, 64, 8, 16, 16, L""),
      DialogItem(WC_STATICW, IDC_EDITOR_TITLE, WS_VISIBLE, 86, 9, 300, 20, L""),
  };
  return page;
}

}  // namespace

void RegisterFunctionEditorTabTemplate() {
  if (FindDialogTemplate(IDD_FUNCTION_EDITOR) == nullptr) RegisterDialogTemplate(IDD_FUNCTION_EDITOR, MakeTemplate());
}

}  // namespace Talvo
